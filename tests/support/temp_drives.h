// A private drives root for one test: drive folders under a fresh temporary
// folder, $ORVANE_DRIVES pointing at it, current folders forgotten.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class TempDrives {
 public:
  // Makes the drive folders of `letters` ("CD" makes c and d).
  explicit TempDrives(const std::string& letters = "CD");
  ~TempDrives();
  TempDrives(const TempDrives&) = delete;
  TempDrives& operator=(const TempDrives&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path drive(char letter) const;

 private:
  std::filesystem::path root_;
  std::string saved_env_;
  bool had_env_ = false;
};

// Writes `bytes` to a native file, making its folders.
void WriteFile(const std::filesystem::path& file, const std::string& bytes);
// Reads a native file's bytes ("" when missing).
std::string ReadFile(const std::filesystem::path& file);

}  // namespace testing_support
