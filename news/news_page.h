// Publishing the news: the store is compacted and "ovnews.htm" is written
// with every approved item, newest first; then the program ends.
#pragma once

#include <string>

#include "common/bulletin_record_file.h"

namespace news {

// `store` is "ovnews.dat" of `tool_folder`, open, with the shown item saved.
// Every road ends the program (vb::End) after its message.
[[noreturn]] void CreateNewsPage(common::BulletinRecordFile& store, const std::string& tool_folder);

}  // namespace news
