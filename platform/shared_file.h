// A file that programs on several computers read and write in place, at byte
// offsets, as the bulletin tools' record stores are: nothing is cached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

class SharedFile {
 public:
  // Reading and writing, or reading alone for a run that only reads.
  enum class Access { kReadWrite, kRead };

  SharedFile() = default;
  ~SharedFile();
  SharedFile(const SharedFile&) = delete;
  SharedFile& operator=(const SharedFile&) = delete;

  // Opens `path` (Windows or native form) for reading and writing, or for
  // reading alone, creating a missing file with mode 0666 as the umask
  // allows. A link in its place is refused (70), never followed; so is
  // anything but a regular file.
  void Open(std::string_view path, Access access = Access::kReadWrite);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // The length in bytes now, as another program may have changed it.
  std::int64_t Length() const;
  // Reads `size` bytes from `offset` into `data`, fewer where the file ends;
  // returns how many were read.
  std::size_t ReadAt(std::int64_t offset, char* data, std::size_t size) const;
  // Writes all of `bytes` from `offset`, lengthening the file as needed.
  void WriteAt(std::int64_t offset, std::string_view bytes);
  void Truncate(std::int64_t length);
  // Flushes what was written to the disk; on a file system that offers no
  // sync there is nothing to flush, and no error.
  void Sync();

 private:
  int fd_ = -1;
  std::string native_;
};

// Removes the file at `path` (Windows or native form) if it can: for a copy
// given up after a failure, so a failure to remove it is not reported.
void DiscardFile(std::string_view path);

}  // namespace vb
