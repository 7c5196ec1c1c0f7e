// Loads XRsortLib.so from the program folder at the first sort and calls
// it; a missing library raises run-time error 53, a missing call 453.
#pragma once

#include <cstdint>
#include <string>

namespace xrsort {

// The library's SortFile: -1 when the sort ran to its end, 0 when it failed.
// `program_folder` ends in "/"; no progress is shown.
int32_t SortFile(const std::string& program_folder, const std::string& command_line);

// The message of the library's last failed sort ("" when there is none).
std::string LastSortError(const std::string& program_folder);

}  // namespace xrsort
