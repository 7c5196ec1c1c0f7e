#include "platform/folder_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/paths.h"
#include "platform/vb_error.h"

namespace vb {

std::optional<FolderClaim> FolderClaim::Take(std::string_view path) {
  int fd = -1;
  try {
    fd = ::open(Resolve(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  } catch (const Error&) {
  }
  if (fd < 0) return FolderClaim(-1);
  // The lock belongs to this open of the folder, so a second open, in this
  // program or another, cannot take it while it lasts.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FolderClaim(fd);
  const int err = errno;
  ::close(fd);
  if (err == EWOULDBLOCK) return std::nullopt;
  return FolderClaim(-1);
}

FolderClaim::FolderClaim(FolderClaim&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FolderClaim& FolderClaim::operator=(FolderClaim&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FolderClaim::~FolderClaim() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace vb
