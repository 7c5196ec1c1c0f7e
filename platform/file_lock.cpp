#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_calls.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace vb {

FileLock::FileLock(std::string_view path) : native_(Resolve(path).string()) {
  struct stat st {};
  fd_ = OpenNoFollow(native_, O_RDWR | O_CREAT, 0666, &st);
  if (st.st_uid == ::geteuid()) ::fchmod(fd_, 0666);
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

void FileLock::Take() { Lock(true); }

bool FileLock::TryTake() { return Lock(false); }

bool FileLock::Lock(bool wait) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  while (::fcntl(fd_, wait ? F_OFD_SETLKW : F_OFD_SETLK, &whole) != 0) {
    if (errno == EINTR) continue;
    if (!wait && (errno == EAGAIN || errno == EACCES)) return false;
    RaiseErrno(errno, FileOp::Lock, native_);
  }
  return true;
}

}  // namespace vb
