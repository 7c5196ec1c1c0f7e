// Names of the temporary files written beside a file being replaced: each
// says which program, on which computer, as which process, wrote it, so that
// the leftovers of a writer that was killed can be told apart and removed.
#pragma once

#include <filesystem>
#include <string>

namespace vb {

struct TemporaryWriter {
  std::string program;  // the program's file name
  std::string host;     // the computer's host name
  long pid = 0;
};

// This process as a writer.
TemporaryWriter ThisWriter();

// The name of a temporary file for `file_name` by `writer`, less the six
// random characters that end it: "<file_name>.<program>@<host>.<pid>.".
std::string TemporaryNamePrefix(const std::string& file_name, const TemporaryWriter& writer);

// Removes from the native `folder` the temporary files for `file_name` that
// this program left: those of this computer whose process has ended, and
// those of another computer (the folder may be shared) more than a day old.
// Regular files only; a link is not followed. Fails quietly.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& file_name);

}  // namespace vb
