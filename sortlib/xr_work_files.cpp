#include "sortlib/xr_work_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "sortlib/xr_errors.h"

namespace xrsort {

namespace {

constexpr std::string_view kWorkPrefix = "XRsort.";
constexpr std::string_view kTempOutputMark = ".XRsort-";

// The process id that `digits` spells, or 0.
pid_t PidOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 9) return 0;
  pid_t pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

// "XRsort.<pid>.XXXXXX": the id, or 0 for another name.
pid_t WorkFolderPid(std::string_view name) {
  if (name.substr(0, kWorkPrefix.size()) != kWorkPrefix || name.size() < kWorkPrefix.size() + 8) {
    return 0;
  }
  const std::string_view rest = name.substr(kWorkPrefix.size());
  if (rest[rest.size() - 7] != '.') return 0;
  return PidOf(rest.substr(0, rest.size() - 7));
}

// ".<output name>.XRsort-<pid>": the id, or 0 for another name.
pid_t TempOutputPid(std::string_view name) {
  const size_t mark = name.rfind(kTempOutputMark);
  if (name.empty() || name[0] != '.' || mark == std::string_view::npos || mark < 2) return 0;
  return PidOf(name.substr(mark + kTempOutputMark.size()));
}

// The process that gave a name its id has ended. A process runs one sort at
// a time and clears before it makes names of its own, so its own id on a
// name comes from an ended process that had the same id.
bool ProcessEnded(pid_t pid) {
  if (pid == ::getpid()) return true;
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the folders (`folders`) or files of `folder` ("" or ending in "/")
// whose names `pid_of` reads an ended process's id from, when they belong
// to this user. Links are never followed.
void RemoveLeftBy(const std::string& folder, bool folders, pid_t (*pid_of)(std::string_view)) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> left;
  while (const dirent* entry = ::readdir(dir)) {
    const pid_t pid = pid_of(entry->d_name);
    struct stat st;
    if (pid <= 0 || ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    const bool kind = folders ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
    if (kind && st.st_uid == ::geteuid() && ProcessEnded(pid)) left.push_back(folder + entry->d_name);
  }
  ::closedir(dir);
  for (const std::string& path : left) {
    std::error_code ec;
    if (folders) std::filesystem::remove_all(path, ec);
    else ::unlink(path.c_str());
  }
}

// Where a link that leads to no file yet would have a file made: writing
// to `path` follows it. Any other path comes back as it is.
std::filesystem::path LinkTarget(const std::filesystem::path& path) {
  std::filesystem::path at = path;
  std::error_code ec;
  for (int links = 0; links < 40 && std::filesystem::is_symlink(std::filesystem::symlink_status(at, ec));
       ++links) {
    const std::filesystem::path target = std::filesystem::read_symlink(at, ec);
    if (ec) break;
    at = at.parent_path() / target;
  }
  return at;
}

// The folder part of a native path, ending in "/" ("" when it has none).
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool SyncDescriptor(int fd) { return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

}  // namespace

WorkFolder::~WorkFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WorkFolder::Make(const std::string& parent) {
  std::string folder = parent;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  RemoveLeftBy(folder, true, WorkFolderPid);
  std::string pattern = folder + std::string(kWorkPrefix) + std::to_string(::getpid()) + ".XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) RaiseIoErrno(errno, true);
  path_ = pattern + "/";
}

bool IsFile(const std::string& native) {
  struct stat st;
  return !native.empty() && ::stat(native.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  struct stat sa, sb;
  const bool a_exists = ::stat(a.c_str(), &sa) == 0;
  const bool b_exists = ::stat(b.c_str(), &sb) == 0;
  if (a_exists && b_exists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (a_exists || b_exists) return false;
  std::error_code ea, eb;
  const auto ca = std::filesystem::weakly_canonical(LinkTarget(a), ea);
  const auto cb = std::filesystem::weakly_canonical(LinkTarget(b), eb);
  return !ea && !eb && ca == cb;
}

unsigned DefaultFileMode() {
  // Read rather than set and reset, which would briefly change it for every
  // thread of the caller.
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("Umask:", 0) == 0) {
      return 0666u & ~static_cast<unsigned>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
}

std::string TempOutputName(const std::string& output) {
  const std::string folder = FolderOf(output);
  const std::string tail = std::string(kTempOutputMark) + std::to_string(::getpid());
  std::string name = output.substr(folder.size());
  const size_t room = NAME_MAX - 1 - tail.size();
  if (name.size() > room) name.resize(room);
  return folder + "." + name + tail;
}

void RemoveLeftTempOutputs(const std::string& output) {
  if (!output.empty()) RemoveLeftBy(FolderOf(output), false, TempOutputPid);
}

bool SyncFile(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = SyncDescriptor(fd);
  const int err = errno;
  ::close(fd);
  errno = err;
  return synced;
}

bool StartWriteBack(int fd, int64_t from, int64_t length, bool& offered) {
  if (!offered || length <= 0) return true;
  if (::sync_file_range(fd, from, length, SYNC_FILE_RANGE_WRITE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ESPIPE) return false;
  offered = false;
  return true;
}

void SyncFolderOf(const std::string& name) {
  const std::string folder = FolderOf(name);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  SyncDescriptor(fd);
  ::close(fd);
}

bool CopyFileReplace(const std::string& from, const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const std::string temp = TempOutputName(to);
  const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool ok = true;
  bool write_back = true;
  int64_t copied = 0, written_back = 0;
  std::vector<char> block(1 << 20);
  while (ok) {
    const ssize_t n = ::read(in, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    for (ssize_t done = 0; ok && done < n;) {
      const ssize_t w = ::write(out, block.data() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      ok = w > 0;
      if (ok) done += w;
    }
    copied += n;
    if (ok && copied - written_back >= kWriteBackStretch) {
      ok = StartWriteBack(out, written_back, copied - written_back, write_back);
      written_back = copied;
    }
  }
  ::close(in);
  ok = ::fchmod(out, DefaultFileMode()) == 0 && ok;
  ok = ok && SyncDescriptor(out);
  ok = ::close(out) == 0 && ok;
  if (ok) ok = ::rename(temp.c_str(), to.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolderOf(to);
  return true;
}

}  // namespace xrsort
