// The "Open With" choice of a desktop without a program for a file's type:
// the user picks a program, which is started on the file.
#pragma once

#include <string>

namespace vb {

// Asks for a program and starts it, detached, with `native_file` as its one
// argument. Cancelling does nothing; nothing is reported.
void ChooseProgramAndOpen(const std::string& native_file);

}  // namespace vb
