// An exclusive lock on a whole lock file, for programs on several computers
// that share a folder. The lock belongs to this open of the file, not to the
// process, so two opens in one program keep apart too; closing lets it go.
#pragma once

#include <string>
#include <string_view>

namespace vb {

class FileLock {
 public:
  // Opens the lock file at `path` (Windows or native form), creating it; one
  // this user owns is made readable and writable by all (0666), so that every
  // user who may write the folder may lock it too. A link in its place is
  // refused (70), never followed. The file is never renamed or removed.
  explicit FileLock(std::string_view path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock, waiting while another holds it.
  void Take();
  // Takes the lock when it is free; false when another holds it.
  bool TryTake();

 private:
  bool Lock(bool wait);

  int fd_ = -1;
  std::string native_;
};

}  // namespace vb
