#include "tests/durability/file_call_log.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <utility>

extern "C" {
int __real_fsync(int fd);
int __real_fdatasync(int fd);
int __real_rename(const char* from, const char* to);
int __real_renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned flags);
int __real_ftruncate(int fd, off_t length);
ssize_t __real_write(int fd, const void* data, size_t size);
ssize_t __real_pwrite(int fd, const void* data, size_t size, off_t offset);
ssize_t __real_pwrite64(int fd, const void* data, size_t size, off_t offset);
ssize_t __real_copy_file_range(int in, off_t* in_at, int out, off_t* out_at, size_t size, unsigned flags);
}

namespace testing_support {

namespace {

struct Recording {
  std::mutex mutex;
  bool on = false;
  std::vector<FileCall> calls;
  // By path, "" for every path: the error, and whether only the next sync fails.
  std::map<std::string, std::pair<int, bool>> failing_syncs;
  std::map<std::string, int> failing_writes;
  int failing_copies = 0;
};

Recording& TheRecording() {
  static Recording recording;
  return recording;
}

std::string Link(const std::string& link) {
  char target[PATH_MAX];
  const ssize_t n = ::readlink(link.c_str(), target, sizeof target);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

// The path of an open descriptor; "" for a pipe, a socket or a terminal.
std::string PathOfDescriptor(int fd) {
  const std::string path = Link("/proc/self/fd/" + std::to_string(fd));
  return !path.empty() && path[0] == '/' ? path : std::string();
}

// `path` taken from the folder open as `dir` (AT_FDCWD: the current one).
std::string LoggedPathAt(int dir, const char* path) {
  std::string name = path;
  if (name.empty() || name[0] != '/') {
    const std::string base = dir == AT_FDCWD ? Link("/proc/self/cwd") : PathOfDescriptor(dir);
    name = base + "/" + name;
  }
  return LoggedPath(name);
}

void Record(FileCall call) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  if (!recording.on || call.path.empty()) return;
  const std::vector<FileCall>& calls = recording.calls;
  if (call.call == "write" && !calls.empty() && calls.back().call == "write" && calls.back().path == call.path) {
    return;
  }
  recording.calls.push_back(std::move(call));
}

// The error planted for a sync of `path`; 0 for none.
int PlantedSyncError(const std::string& path) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  auto planted = recording.failing_syncs.find(path);
  if (planted == recording.failing_syncs.end()) planted = recording.failing_syncs.find("");
  if (!recording.on || planted == recording.failing_syncs.end()) return 0;
  const int error = planted->second.first;
  if (planted->second.second) recording.failing_syncs.erase(planted);
  return error;
}

int PlantedCopyError() {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  return recording.on ? recording.failing_copies : 0;
}

template <typename RealSync>
int Sync(int fd, RealSync real_sync) {
  const int result = real_sync(fd);
  const int saved = errno;
  const std::string path = PathOfDescriptor(fd);
  if (result == 0) {
    if (const int planted = PlantedSyncError(path)) {
      errno = planted;
      return -1;
    }
    Record({"sync", path, {}});
  }
  errno = saved;
  return result;
}

template <typename Call>
auto Logged(const char* name, int fd, Call call) {
  if (std::string(name) == "write") {
    Recording& recording = TheRecording();
    std::lock_guard<std::mutex> lock(recording.mutex);
    const auto planted = recording.on ? recording.failing_writes.find(PathOfDescriptor(fd))
                                      : recording.failing_writes.end();
    if (planted != recording.failing_writes.end()) {
      errno = planted->second;
      return decltype(call())(-1);
    }
  }
  const auto result = call();
  const int saved = errno;
  if (result != -1) Record({name, PathOfDescriptor(fd), {}});
  errno = saved;
  return result;
}

}  // namespace

std::string LoggedPath(const std::string& path) {
  std::string name = path;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  const size_t slash = name.find_last_of('/');
  if (slash == std::string::npos) return LoggedPathAt(AT_FDCWD, name.c_str());
  const std::string folder = slash == 0 ? "/" : name.substr(0, slash);
  char resolved[PATH_MAX];
  if (::realpath(folder.c_str(), resolved) == nullptr) return name;
  const std::string base = resolved;
  return (base == "/" ? "" : base) + "/" + name.substr(slash + 1);
}

FileCallLog::FileCallLog() {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.on = true;
  recording.calls.clear();
  recording.failing_syncs.clear();
  recording.failing_writes.clear();
  recording.failing_copies = 0;
}

FileCallLog::~FileCallLog() {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.on = false;
  recording.failing_syncs.clear();
  recording.failing_writes.clear();
  recording.failing_copies = 0;
}

std::vector<FileCall> FileCallLog::Calls() const {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  return recording.calls;
}

void FileCallLog::FailSyncOf(const std::string& path, int error, bool once) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.failing_syncs[LoggedPath(path)] = {error, once};
}

void FileCallLog::FailEverySync(int error) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.failing_syncs[""] = {error, false};
}

void FileCallLog::FailWriteOf(const std::string& path, int error) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.failing_writes[LoggedPath(path)] = error;
}

void FileCallLog::FailCopiesInKernel(int error) {
  Recording& recording = TheRecording();
  std::lock_guard<std::mutex> lock(recording.mutex);
  recording.failing_copies = error;
}

size_t PositionOf(const std::vector<FileCall>& calls, const std::string& call, const std::string& path) {
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].call == call && calls[i].path == path) return i;
  }
  return calls.size();
}

std::string SyncFault(const std::vector<FileCall>& calls, const std::string& path, size_t position) {
  // Per file, as its name moves with its renames: written since, and synced
  // after its last write.
  struct State {
    bool written = false;
    bool synced = false;
  };
  std::map<std::string, State> files;
  for (size_t i = 0; i < position && i < calls.size(); ++i) {
    const FileCall& call = calls[i];
    State& file = files[call.path];
    if (call.call == "write" || call.call == "truncate") file = {true, false};
    if (call.call == "sync" && file.written) file.synced = true;
    if (call.call == "rename") {
      files[call.to] = file;
      files.erase(call.path);
    }
  }
  const State file = files[path];
  if (!file.written) return path + " never written";
  return file.synced ? "" : path + " not synced after its last write";
}

std::string ReplaceFault(const std::vector<FileCall>& calls, const std::string& target) {
  const std::string wanted = LoggedPath(target);
  size_t rename = calls.size();
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].call == "rename" && calls[i].to == wanted) rename = i;
  }
  if (rename == calls.size()) return "nothing renamed over " + wanted;
  if (std::string fault = SyncFault(calls, calls[rename].path, rename); !fault.empty()) return fault;
  const std::string folder = wanted.substr(0, std::max<size_t>(wanted.find_last_of('/'), 1));
  for (size_t i = rename + 1; i < calls.size(); ++i) {
    if (calls[i].call == "sync" && calls[i].path == folder) return "";
  }
  return "folder " + folder + " not synced after the rename";
}

}  // namespace testing_support

using testing_support::FileCall;

extern "C" {

int __wrap_fsync(int fd) { return testing_support::Sync(fd, __real_fsync); }
int __wrap_fdatasync(int fd) { return testing_support::Sync(fd, __real_fdatasync); }

int __wrap_rename(const char* from, const char* to) {
  FileCall call{"rename", testing_support::LoggedPathAt(AT_FDCWD, from),
                testing_support::LoggedPathAt(AT_FDCWD, to)};
  const int result = __real_rename(from, to);
  const int saved = errno;
  if (result == 0) testing_support::Record(std::move(call));
  errno = saved;
  return result;
}

int __wrap_renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned flags) {
  FileCall call{"rename", testing_support::LoggedPathAt(from_dir, from),
                testing_support::LoggedPathAt(to_dir, to)};
  const int result = __real_renameat2(from_dir, from, to_dir, to, flags);
  const int saved = errno;
  if (result == 0) testing_support::Record(std::move(call));
  errno = saved;
  return result;
}

int __wrap_ftruncate(int fd, off_t length) {
  return testing_support::Logged("truncate", fd, [&] { return __real_ftruncate(fd, length); });
}

ssize_t __wrap_write(int fd, const void* data, size_t size) {
  return testing_support::Logged("write", fd, [&] { return __real_write(fd, data, size); });
}

ssize_t __wrap_pwrite(int fd, const void* data, size_t size, off_t offset) {
  return testing_support::Logged("write", fd, [&] { return __real_pwrite(fd, data, size, offset); });
}

ssize_t __wrap_pwrite64(int fd, const void* data, size_t size, off_t offset) {
  return testing_support::Logged("write", fd, [&] { return __real_pwrite64(fd, data, size, offset); });
}

ssize_t __wrap_copy_file_range(int in, off_t* in_at, int out, off_t* out_at, size_t size, unsigned flags) {
  if (const int planted = testing_support::PlantedCopyError()) {
    errno = planted;
    return -1;
  }
  return testing_support::Logged(
      "write", out, [&] { return __real_copy_file_range(in, in_at, out, out_at, size, flags); });
}

}  // extern "C"
