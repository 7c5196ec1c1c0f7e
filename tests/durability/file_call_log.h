// Records, in order, the writes, syncs, renames and truncations this process
// makes while a FileCallLog lives, through the calls the linker wraps; and
// makes the sync of a chosen file fail, as a failing disk would.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

// One recorded call: "write" (write, pwrite, copy_file_range), "sync" (fsync, fdatasync),
// "rename" (rename, renameat2; `path` is the old name, `to` the new) or
// "truncate" (ftruncate). Paths are absolute, links in folders resolved.
struct FileCall {
  std::string call;
  std::string path;
  std::string to;
};

// Recording is on from construction to destruction; one log at a time.
class FileCallLog {
 public:
  FileCallLog();
  ~FileCallLog();
  FileCallLog(const FileCallLog&) = delete;
  FileCallLog& operator=(const FileCallLog&) = delete;

  // The calls so far, in order, each write once however many bytes it took.
  std::vector<FileCall> Calls() const;
  // From now on every sync of the file or folder `path` fails with `error`
  // (after the real sync, so nothing is lost); with `once`, only the next.
  void FailSyncOf(const std::string& path, int error, bool once = false);
  // The same for every file and folder.
  void FailEverySync(int error);
  // From now on every write to the file `path` fails with `error`, writing
  // nothing.
  void FailWriteOf(const std::string& path, int error);
  // From now on every copy inside the kernel fails with `error`, as on a
  // file system that cannot make one.
  void FailCopiesInKernel(int error);
};

// An absolute path with links in its folders resolved, as calls are logged.
std::string LoggedPath(const std::string& path);

// What went wrong with the durable replacement of `target` in `calls`, ""
// when nothing did: the file renamed over it was written, then synced after
// its last write, then renamed, and the target's folder synced after that.
std::string ReplaceFault(const std::vector<FileCall>& calls, const std::string& target);

// What went wrong with the sync of `path` before call `position`, "" when
// nothing did: every write to it before `position` is followed by a sync of
// it before `position`, the writes made under names it had before a rename
// included. A `path` never written is a fault too.
std::string SyncFault(const std::vector<FileCall>& calls, const std::string& path, size_t position);

// The position of the first call `call` on `path` (as old name for a rename),
// calls.size() when there is none.
size_t PositionOf(const std::vector<FileCall>& calls, const std::string& call, const std::string& path);

}  // namespace testing_support
