#include "platform/file_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/vb_error.h"

namespace vb {

int OpenNoFollow(const std::string& native, int flags, unsigned mode) {
  const int fd = ::open(native.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, static_cast<mode_t>(mode));
  // A link in the file's place is an access error.
  if (fd < 0) RaiseErrno(errno == ELOOP ? EACCES : errno, FileOp::OpenWrite, native);
  return fd;
}

bool SyncToDisk(int fd) { return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

}  // namespace vb
