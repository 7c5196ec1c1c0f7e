// The file-system steps of one sort around its runs: the private work
// folder, the input and output checks, the output's temporary file, and the
// clearing of what killed sorts left behind.
#pragma once

#include <cstdint>
#include <string>

namespace xrsort {

// A new folder "XRsort.<process id>.XXXXXX" (mode 0700) in the native folder
// `parent`, removed with everything in it when the object goes. Raises the
// I/O error when it cannot be made. Work folders that ended processes left
// in `parent` are removed first.
class WorkFolder {
 public:
  WorkFolder() = default;
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  void Make(const std::string& parent);
  bool Made() const { return !path_.empty(); }
  // The folder, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A file that is not a folder.
bool IsFile(const std::string& native);
// Both names lead to one file: the same existing file, or, where a name does
// not exist yet, the same path once the links on the way, the last one
// included, are followed.
bool SameFile(const std::string& a, const std::string& b);
// The mode of a new file under the process's umask.
unsigned DefaultFileMode();

// The output's temporary file, in the output's folder:
// ".<output name>.XRsort-<process id>", the name cut so that it fits.
std::string TempOutputName(const std::string& output);
// Removes the temporary outputs that ended processes left beside `output`.
void RemoveLeftTempOutputs(const std::string& output);

// Syncs the file `name` to the disk; false (errno set) only for a failure
// that counts: a file system that offers no sync has nothing to flush.
bool SyncFile(const std::string& name);
// The output's bytes are handed to the disk a stretch of this size at a
// time as they are written, so that the sync at the end finds few left.
constexpr int64_t kWriteBackStretch = 8 << 20;
// Starts writing `length` bytes of the open file `fd` from `from` to the
// disk, without waiting for them. False (errno set) only for a failure that
// counts; `offered` turns false where the file system has no such call.
bool StartWriteBack(int fd, int64_t from, int64_t length, bool& offered);
// Syncs the folder that holds `name`, so that a rename into it lasts. The
// file is in place by then, so a failure here is not reported.
void SyncFolderOf(const std::string& name);

// Copies `from` over `to` through the temporary output, created
// exclusively, synced and renamed into place, so that `to` is either whole
// or untouched, and the rename lasts; the copy gets the default mode. Each
// finished stretch of the copy starts on its way to the disk at once.
bool CopyFileReplace(const std::string& from, const std::string& to);

}  // namespace xrsort
