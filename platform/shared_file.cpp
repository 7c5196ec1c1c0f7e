#include "platform/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_calls.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace vb {

SharedFile::~SharedFile() { Close(); }

void SharedFile::Open(std::string_view path, Access access) {
  Close();
  native_ = Resolve(path).string();
  const int fd = OpenNoFollow(native_, (access == Access::kRead ? O_RDONLY : O_RDWR) | O_CREAT);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
    ::close(fd);
    Raise(70, native_ + ": not a file");
  }
  fd_ = fd;
}

void SharedFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::int64_t SharedFile::Length() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) RaiseErrno(errno, FileOp::Query, native_);
  return static_cast<std::int64_t>(st.st_size);
}

std::size_t SharedFile::ReadAt(std::int64_t offset, char* data, std::size_t size) const {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n =
        ::pread(fd_, data + done, size - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (n < 0) RaiseErrno(errno, FileOp::OpenRead, native_);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

void SharedFile::WriteAt(std::int64_t offset, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                               static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (n < 0) RaiseErrno(errno, FileOp::Write, native_);
    done += static_cast<std::size_t>(n);
  }
}

void SharedFile::Truncate(std::int64_t length) {
  if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) RaiseErrno(errno, FileOp::Write, native_);
}

void SharedFile::Sync() {
  if (!SyncToDisk(fd_)) RaiseErrno(errno, FileOp::Write, native_);
}

void DiscardFile(std::string_view path) { ::unlink(Resolve(path).c_str()); }

}  // namespace vb
