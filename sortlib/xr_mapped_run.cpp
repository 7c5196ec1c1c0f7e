#include "sortlib/xr_mapped_run.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "sortlib/xr_errors.h"
#include "sortlib/xr_text_file.h"

namespace xrsort {

namespace {

// Read pages are given back this many bytes at a time, which bounds what
// the mapping adds to the process's size.
constexpr size_t kLetGo = 256 * 1024;

// The bytes ahead of a line that are asked for as it is read: the
// processor's own fetching ahead stops at the end of every page.
constexpr size_t kAhead = 256;

}  // namespace

TXRMappedRun::~TXRMappedRun() {
  if (map_ != nullptr) ::munmap(map_ + kept_from_, size_ - kept_from_);
}

void TXRMappedRun::Open(const std::string& name) {
  int64_t size = 0;
  const int fd = OpenRegularFile(name, O_RDONLY, 0666, false, &size);
  size_ = static_cast<size_t>(size);
  if (size_ > 0) {
    void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
    const int err = errno;
    ::close(fd);
    if (map == MAP_FAILED) RaiseIoErrno(err);
    map_ = static_cast<char*>(map);
    ::madvise(map_, size_, MADV_SEQUENTIAL);
  } else {
    ::close(fd);
  }
}

std::string_view TXRMappedRun::NextLine() {
  const char* line = map_ + pos_;
  if (pos_ + kAhead < size_) __builtin_prefetch(line + kAhead);
  const auto* cr = static_cast<const char*>(std::memchr(line, '\r', size_ - pos_));
  const size_t length = cr != nullptr ? static_cast<size_t>(cr - line) : size_ - pos_;
  pos_ = std::min(size_, pos_ + length + 2);
  if (pos_ - kept_from_ >= 2 * kLetGo) {
    // What lies before the stretch that holds the line just read.
    const size_t upto = static_cast<size_t>(line - map_) & ~(kLetGo - 1);
    if (upto > kept_from_ && ::munmap(map_ + kept_from_, upto - kept_from_) == 0) kept_from_ = upto;
  }
  return std::string_view(line, length);
}

bool FolderInMemory(const std::string& folder) {
  struct statfs fs;
  return ::statfs(folder.c_str(), &fs) == 0 && fs.f_type == TMPFS_MAGIC;
}

}  // namespace xrsort
