#include "platform/file_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vb {

namespace {

[[noreturn]] void RefuseOtherThanFile(const std::string& native, FileOp op) {
  Raise(op == FileOp::OpenWrite ? 70 : 75, native + ": not a file");
}

}  // namespace

int OpenFile(const std::string& native, int flags, FileOp op, unsigned mode, struct stat* st) {
  const int fd = ::open(native.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, static_cast<mode_t>(mode));
  if (fd < 0) {
    // A FIFO that no one reads refuses a writer at once rather than waiting.
    if (errno == ENXIO) RefuseOtherThanFile(native, op);
    // A link in the file's place, where none is followed, is an access error.
    RaiseErrno(errno == ELOOP && (flags & O_NOFOLLOW) != 0 ? EACCES : errno, op, native);
  }
  struct stat own {};
  struct stat& status = st != nullptr ? *st : own;
  if ((flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL)) {
    status = {};
    status.st_mode = S_IFREG;
    return fd;
  }
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    RefuseOtherThanFile(native, op);
  }
  return fd;
}

int OpenNoFollow(const std::string& native, int flags, unsigned mode, struct stat* st) {
  return OpenFile(native, flags | O_NOFOLLOW, FileOp::OpenWrite, mode, st);
}

bool CopyRest(int in, int out, off_t size, bool& read_failed) {
  off_t copied = 0;
  // One byte more than is left, so that a short copy at the size is the end.
  auto want = [&](size_t most) {
    return copied < size ? std::min(static_cast<size_t>(size - copied) + 1, most) : most;
  };
  for (;;) {
    const size_t asked = want(size_t{1} << 30);
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, asked, 0);
    if (n < 0 && errno == EINTR) continue;
    // Whatever fails here, the read and write below do the rest, and they
    // tell which side failed and how, as a copy by them always has.
    if (n < 0) break;
    if (n == 0) return true;
    copied += n;
    if (static_cast<size_t>(n) < asked && copied == size) return true;
  }
  char buffer[1 << 16];
  for (;;) {
    const size_t asked = want(sizeof buffer);
    const ssize_t n = ::read(in, buffer, asked);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      read_failed = true;
      return false;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t m = ::write(out, buffer + done, static_cast<size_t>(n - done));
      if (m < 0 && errno == EINTR) continue;
      if (m < 0) {
        read_failed = false;
        return false;
      }
      done += m;
    }
    copied += n;
    if (static_cast<size_t>(n) < asked && copied == size) return true;
  }
}

bool IsReadOnly(const struct stat& st, const std::string& native) {
  return S_ISREG(st.st_mode) && ((st.st_mode & 0222) == 0 || ::access(native.c_str(), W_OK) != 0);
}

bool SyncToDisk(int fd) { return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

}  // namespace vb
