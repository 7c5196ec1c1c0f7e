// Starting other programs: always with an argument list, never through a
// shell, each in a session of its own with no input. One launcher serves
// both uses: starting a program and leaving it, and starting one and giving
// it a short time to say whether it did its work.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vb {

// Starts `program` (searched on PATH) with `args`, detached: never waited
// for, and reaped whenever it ends. False when it could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& args);

// Starts `program` as StartDetached does and waits up to `verdict` for it to
// end. False when it could not be started or ended in failure within that
// time; true when it ended in success or still runs, and is then left to run.
bool StartAndAwaitVerdict(const std::string& program, const std::vector<std::string>& args,
                          std::chrono::milliseconds verdict);

// Starts `program` as StartDetached does, leaving it to AwaitVerdict. Its
// process id, or -1 when it could not be started.
int StartForVerdict(const std::string& program, const std::vector<std::string>& args);

// Waits up to `verdict` for the process `pid`, a child of this one, to end,
// as StartAndAwaitVerdict does, calling `meanwhile` (when given) every few
// milliseconds; one still running is then reaped whenever it ends.
bool AwaitVerdict(int pid, std::chrono::milliseconds verdict,
                  const std::function<void()>& meanwhile = {});

// The command that opens documents: $ORVANE_OPEN_COMMAND when set, else "xdg-open".
std::string OpenCommand();

// Opens a file with the desktop's program for it. False when the opener
// could not be started.
bool OpenDocument(const std::filesystem::path& file);

}  // namespace vb
