// The task page "ovtask.htm": the open tasks of the store, oldest first, on
// the printable list page, each with a small table of its site, category and
// priority. Both callers end their program after it.
#pragma once

#include <string>

#include "common/bulletin_record_file.h"

namespace tasks {

// The submitter's Quit after a submission: the page from the store as it
// stands, then the "Success" box and the end of the program.
[[noreturn]] void WriteTaskPage(const std::string& tool_folder);

// The manager's "Update Jobline Page!", once the shown task is saved: the
// store compacted (`store`, the manager's open store, is closed), then the
// page, the box and the end.
[[noreturn]] void UpdateTaskPage(const std::string& tool_folder, common::BulletinRecordFile& store);

}  // namespace tasks
