#include "tests/support/recording_opener.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/support/temp_drives.h"

namespace testing_support {

namespace fs = std::filesystem;

RecordingOpener::RecordingOpener(const fs::path& folder) : note_(folder / "opened.txt") {
  const fs::path script = folder / "open.sh";
  // The note appears whole: the test may look before the script has written it.
  WriteFile(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + note_.string() + ".tmp' && mv '" +
                        note_.string() + ".tmp' '" + note_.string() + "'\n");
  fs::permissions(script, fs::perms::owner_all);
  ::setenv("ORVANE_OPEN_COMMAND", script.c_str(), 1);
}

RecordingOpener::~RecordingOpener() { ::unsetenv("ORVANE_OPEN_COMMAND"); }

std::string RecordingOpener::Opened() const {
  for (int i = 0; i < 60 && !fs::exists(note_); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::string arguments = ReadFile(note_);
  if (!arguments.empty()) arguments.pop_back();
  return arguments;
}

void RecordingOpener::Forget() const { fs::remove(note_); }

}  // namespace testing_support
