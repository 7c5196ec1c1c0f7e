// Stands in for the desktop's opener while a test runs: $ORVANE_OPEN_COMMAND
// names a script that notes the arguments it is started with.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class RecordingOpener {
 public:
  // Writes the script and its note into `folder`.
  explicit RecordingOpener(const std::filesystem::path& folder);
  ~RecordingOpener();  // unsets $ORVANE_OPEN_COMMAND
  RecordingOpener(const RecordingOpener&) = delete;
  RecordingOpener& operator=(const RecordingOpener&) = delete;

  // The arguments of the last start, one a line, once the detached script
  // has run; "" when nothing was started within a few seconds.
  std::string Opened() const;
  // Forgets the last start.
  void Forget() const;

 private:
  std::filesystem::path note_;
};

}  // namespace testing_support
