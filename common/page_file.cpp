#include "common/page_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace common {

namespace {

// The mode a new file gets: 0666 less the process's mask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void PageFile::Open() {
  open_ = false;
  const std::string native = vb::Resolve(path_).string();
  struct stat st {};
  if (::lstat(native.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || vb::IsReadOnlyFile(path_)) vb::Raise(75, native + ": may not be replaced");
  } else if (errno != ENOENT) {
    vb::RaiseErrno(errno, vb::FileOp::OpenWrite, native);
  }
  text_.clear();
  open_ = true;
}

void PageFile::Print(std::string_view line) {
  if (!open_) vb::Raise(52, "bad file name or number");
  text_ += line;
  text_ += "\r\n";
}

void PageFile::Commit() {
  if (!open_) vb::Raise(52, "bad file name or number");
  open_ = false;
  const std::string native = vb::Resolve(path_).string();
  struct stat old {};
  const mode_t mode = ::lstat(native.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
  std::string temp = native + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) vb::RaiseErrno(errno, vb::FileOp::OpenWrite, native);
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    vb::RaiseErrno(err, vb::FileOp::Write, native);
  };
  if (::fchmod(fd, mode) != 0) fail(errno);
  size_t done = 0;
  while (done < text_.size()) {
    const ssize_t n = ::write(fd, text_.data() + done, text_.size() - done);
    if (n < 0) fail(errno);
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    vb::RaiseErrno(err, vb::FileOp::Write, native);
  }
  if (std::rename(temp.c_str(), native.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    vb::RaiseErrno(err, vb::FileOp::Rename, native);
  }
}

}  // namespace common
