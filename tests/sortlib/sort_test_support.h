// Small helpers of the line sorter's tests: $TMPDIR for one test, the names
// in a folder, a small file system that fills, and an ended process's id.
#pragma once

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A tmpfs of `size` bytes ("64k") on `folder` until it goes. Only root may
// mount: elsewhere mounted() is false and the test skips.
class SmallTmpfs {
 public:
  SmallTmpfs(const std::filesystem::path& folder, const std::string& size) : folder_(folder) {
    std::filesystem::create_directories(folder);
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallTmpfs() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;
  bool mounted() const { return mounted_; }

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

// The id of a process that has ended.
inline pid_t EndedProcessId() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

}  // namespace sort_test
