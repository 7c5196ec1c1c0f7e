// Small helpers of the line sorter's tests: $TMPDIR for one test and the
// names in a folder.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace sort_test {

using Lines = std::vector<std::string>;

// Points $TMPDIR at `folder` until it goes.
class TmpDirOverride {
 public:
  explicit TmpDirOverride(const std::string& folder) {
    if (const char* old = std::getenv("TMPDIR")) saved_ = old, had_ = true;
    ::setenv("TMPDIR", folder.c_str(), 1);
  }
  ~TmpDirOverride() {
    if (had_) ::setenv("TMPDIR", saved_.c_str(), 1);
    else ::unsetenv("TMPDIR");
  }
  TmpDirOverride(const TmpDirOverride&) = delete;
  TmpDirOverride& operator=(const TmpDirOverride&) = delete;

 private:
  std::string saved_;
  bool had_ = false;
};

// The names in `folder`, sorted.
inline Lines NamesIn(const std::filesystem::path& folder) {
  Lines names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace sort_test
