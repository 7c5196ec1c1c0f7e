#include "platform/file_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vb {

namespace {

[[noreturn]] void RefuseOtherThanFile(const std::string& native, FileOp op) {
  Raise(op == FileOp::OpenWrite ? 70 : 75, native + ": not a file");
}

}  // namespace

int OpenFile(const std::string& native, int flags, FileOp op, unsigned mode) {
  const int fd = ::open(native.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, static_cast<mode_t>(mode));
  if (fd < 0) {
    // A FIFO that no one reads refuses a writer at once rather than waiting.
    if (errno == ENXIO) RefuseOtherThanFile(native, op);
    // A link in the file's place, where none is followed, is an access error.
    RaiseErrno(errno == ELOOP && (flags & O_NOFOLLOW) != 0 ? EACCES : errno, op, native);
  }
  struct stat st {};
  const bool file = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (!file || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    RefuseOtherThanFile(native, op);
  }
  return fd;
}

int OpenNoFollow(const std::string& native, int flags, unsigned mode) {
  return OpenFile(native, flags | O_NOFOLLOW, FileOp::OpenWrite, mode);
}

bool IsReadOnly(const struct stat& st, const std::string& native) {
  return S_ISREG(st.st_mode) && ((st.st_mode & 0222) == 0 || ::access(native.c_str(), W_OK) != 0);
}

bool SyncToDisk(int fd) { return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

}  // namespace vb
