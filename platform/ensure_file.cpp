#include "platform/ensure_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/paths.h"
#include "platform/vb_error.h"

namespace vb {

void EnsureFile(std::string_view path) {
  const auto native = Resolve(path);
  const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) RaiseErrno(errno, FileOp::OpenWrite, native);
  ::close(fd);
}

}  // namespace vb
