// How the site's class and student folders are named.
#pragma once

#include <string>
#include <string_view>

#include "builder/core/build_settings.h"

namespace builder {

// The text in lower case without blanks, "/", "\" and "."; characters no
// Windows file name may hold (: * ? " < > | and control characters) are
// dropped too, so that the site can move to a Windows server.
std::string SafeFolderName(std::string_view text);

// class_index is 1-based, in order of first appearance in the year list.
std::string ClassFolderName(FolderNaming naming, int class_index, std::string_view class_name);

// position is the student's 1-based row within the class.
std::string StudentFolderName(FolderNaming naming, int position, std::string_view surname,
                              std::string_view preferred_name);

}  // namespace builder
