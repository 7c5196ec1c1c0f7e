// Where the command line's paths lie on this machine: Windows-form paths
// through the drive map, other names below the process's current folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace xrsort {

// The native path of a command-line path: "D:\a\b" through the drives map,
// "\a" from the root, anything else below the current folder ("" for the
// current folder itself). An unmapped drive gives "", which no file
// operation accepts, so it fails like a missing folder.
std::string NativePath(std::string_view text);

// The system's folder of temporary files, ending in "/": $TMPDIR when it is
// set and not empty, else "/tmp/".
std::optional<std::string> SystemTempFolder();

}  // namespace xrsort
