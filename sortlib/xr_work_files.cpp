#include "sortlib/xr_work_files.h"

#include <fcntl.h>
#include <limits.h>
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

constexpr std::string_view kTempOutputMark = ".XRsort-";

// The folder part of a native path, ending in "/" ("" when it has none).
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

WorkFolder::~WorkFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WorkFolder::Make(const std::string& parent) {
  std::string pattern = parent;
  if (!pattern.empty() && pattern.back() != '/') pattern += '/';
  pattern += "XRsort.XXXXXX";
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
  const auto ca = std::filesystem::weakly_canonical(a, ea);
  const auto cb = std::filesystem::weakly_canonical(b, eb);
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
  }
  ::close(in);
  ok = ::fchmod(out, DefaultFileMode()) == 0 && ok;
  ok = ::close(out) == 0 && ok;
  if (ok) ok = ::rename(temp.c_str(), to.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace xrsort
