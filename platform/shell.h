// Starting other programs: always with an argument list, never through a
// shell, never waiting for them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vb {

// Starts `program` (searched on PATH) with `args`, detached. False when it
// could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& args);

// The command that opens documents: $ORVANE_OPEN_COMMAND when set, else "xdg-open".
std::string OpenCommand();

// Opens a file with the desktop's program for it. False when the opener
// could not be started.
bool OpenDocument(const std::filesystem::path& file);

}  // namespace vb
