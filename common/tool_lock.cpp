#include "common/tool_lock.h"

namespace common {

ToolLock::ToolLock(const std::string& tool_folder, const char* file_name)
    : lock_(tool_folder + file_name), held_(lock_.TryTake()) {}

}  // namespace common
