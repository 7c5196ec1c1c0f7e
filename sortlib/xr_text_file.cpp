#include "sortlib/xr_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "sortlib/xr_errors.h"
#include "sortlib/xr_work_files.h"

namespace xrsort {

namespace {

constexpr char kCtrlZ = 26;
const char* const kLineEnds[4] = {"\r\n", "\n\r", "\n", "\r"};

// One bit for each CR or LF among the 64 bytes at `p`, of which only the
// first `n` (at most 64) count.
uint64_t LineEndBits(const char* p, int32_t n) {
  uint64_t bits = 0;
#if defined(__SSE2__)
  if (n == 64) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (int i = 0; i < 4; ++i) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
      const auto hits = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
      bits |= static_cast<uint64_t>(hits) << (16 * i);
    }
    return bits;
  }
#endif
  for (int32_t i = 0; i < n; ++i) {
    if (p[i] == '\r' || p[i] == '\n') bits |= uint64_t{1} << i;
  }
  return bits;
}

}  // namespace

int OpenRegularFile(const std::string& name, int flags, unsigned mode, bool creating, int64_t* size) {
  const int fd = ::open(name.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, static_cast<mode_t>(mode));
  // A FIFO that no one reads refuses a writer at once rather than waiting.
  if (fd < 0) RaiseIoErrno(errno == ENXIO ? EACCES : errno, creating);
  if ((flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL)) {
    if (size != nullptr) *size = 0;
    return fd;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    RaiseIoErrno(EACCES);
  }
  if (size != nullptr) *size = st.st_size;
  return fd;
}

TXRTextFile::~TXRTextFile() {
  if (fd_ >= 0) ::close(fd_);
}

void TXRTextFile::Open(const std::string& name, int32_t record_length, int32_t size) {
  file_name_ = name;
  record_length_ = record_length;
  if (record_length < 0) RaiseError("Invalid Record Lenght");
  if (size < 255) size = 255;
  if (size > 1048576) size = 1048576;
  buffer_size_ = size;
  buffer_.assign(static_cast<size_t>(size), 0);
}

void TXRTextFile::SetLineEnd(int style) {
  line_end_ = kLineEnds[style & 3];
  line_end_length_ = static_cast<int32_t>(line_end_.size());
}

void TXRTextFile::Rewrite(int style, bool ctrl_z, bool exclusive) {
  writing_ = true;
  write_ctrl_z_ = ctrl_z;
  SetLineEnd(style);
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  const int flags = exclusive ? O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW : O_RDWR | O_CREAT | O_TRUNC;
  fd_ = OpenRegularFile(file_name_, flags, exclusive ? 0600 : 0666, true);
  buffer_pos_ = 0;
  bytes_consumed_ = 0;
  file_size_ = 0;
  written_ = 0;
  write_back_ = false;
  written_back_ = 0;
}

void TXRTextFile::Reset() {
  writing_ = false;
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  fd_ = OpenRegularFile(file_name_, O_RDONLY, 0666, false, &file_size_);
  bytes_consumed_ = 0;
  FillBuffer(true);
}

void TXRTextFile::FillBuffer(bool first) {
  FillFrom(0);
  if (first && buffer_end_ == 0 && buffer_[0] == kCtrlZ) bytes_consumed_ = 1;
  if (!first && buffer_end_ < 0) throw EInOutError("Read beyond end of file");
}

// Reads from the file's position into the buffer behind its first `kept`
// bytes, until the buffer is full or the file ends.
void TXRTextFile::FillFrom(int32_t kept) {
  int32_t got = kept;
  while (got < buffer_size_) {
    const ssize_t n = ::read(fd_, buffer_.data() + got, static_cast<size_t>(buffer_size_ - got));
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseIoErrno(errno);
    }
    if (n == 0) break;
    got += static_cast<int32_t>(n);
  }
  buffer_end_ = got - 1;
  buffer_pos_ = 0;
  ends_count_ = 0;
  next_end_ = 0;
  ends_scanned_ = 0;
}

// Lines are short and many, so their ends are found for a stretch of the
// buffer at once, sixty-four bytes at a time, and listed without a branch
// for each: a branch that guesses wrong at the end of every line costs
// more than the search itself.
void TXRTextFile::ScanLineEnds() {
  const int32_t stop = std::min(buffer_end_ + 1, ends_scanned_ + 2048);
  if (ends_.size() < static_cast<size_t>(ends_count_) + 2048 + 64) {
    ends_.resize(static_cast<size_t>(ends_count_) + 2048 + 64);
  }
  for (int32_t base = ends_scanned_; base < stop; base += 64) {
    uint64_t bits = LineEndBits(buffer_.data() + base, std::min(64, buffer_end_ + 1 - base));
    int32_t* out = ends_.data() + ends_count_;
    // Four are listed whatever the count; those past it are written over.
    int32_t hits = 0;
    for (int k = 0; k < 4; ++k) {
      out[k] = base + std::countr_zero(bits);
      hits += bits != 0;
      bits &= bits - 1;
    }
    for (; bits != 0; bits &= bits - 1) out[hits++] = base + std::countr_zero(bits);
    ends_count_ += hits;
  }
  ends_scanned_ = stop;
}

bool TXRTextFile::MoreBeyondBuffer() const {
  return (buffer_end_ - buffer_pos_ + 1) + bytes_consumed_ < file_size_;
}

// The buffer holds the file's bytes up to the file position, so the same
// bytes come of moving what is left to the front as of reading it again.
void TXRTextFile::RefillFromConsumed() {
  const int32_t kept = buffer_pos_ <= buffer_end_ ? buffer_end_ - buffer_pos_ + 1 : 0;
  if (kept > 0) std::memmove(buffer_.data(), buffer_.data() + buffer_pos_, static_cast<size_t>(kept));
  FillFrom(kept);
  if (buffer_end_ < 0) throw EInOutError("Read beyond end of file");
}

int32_t TXRTextFile::FindLineEnd(int32_t from) {
  line_end_length_ = 0;
  if (from > buffer_end_) return -1;
  for (;;) {
    while (next_end_ < ends_count_ && ends_[static_cast<size_t>(next_end_)] < from) ++next_end_;
    if (next_end_ < ends_count_) break;
    if (ends_scanned_ > buffer_end_) return -1;
    ScanLineEnds();
  }
  const char* data = buffer_.data();
  const int32_t p = ends_[static_cast<size_t>(next_end_)];
  line_end_length_ = 1;
  if (p < buffer_end_) {
    const char a = data[p], b = data[p + 1];
    if ((a == '\r' && b == '\n') || (a == '\n' && b == '\r')) line_end_length_ = 2;
  }
  return p;
}

std::string TXRTextFile::ReadLine() {
  return std::string(ReadLineView());
}

void TXRTextFile::ReadLine(std::string& line) { line.assign(ReadLineView()); }

std::string_view TXRTextFile::ReadLineView() {
  if (record_length_ > 0) return ReadRecordView(record_length_);
  if (writing_) throw EInOutError("Invalid direction for reading file");
  if (Eof()) throw EInOutError("Read beyond end of file");
  int32_t p = FindLineEnd(buffer_pos_);
  // No line end, or only a CR or LF on the buffer's last byte that may be
  // the first half of a pair.
  auto open_ended = [&] { return p < 0 || (p == buffer_end_ && line_end_length_ == 1); };
  if (open_ended() && MoreBeyondBuffer()) {
    if (buffer_pos_ == 0) throw EInOutError("Not a text file or line exceeds buffer size");
    RefillFromConsumed();
    p = FindLineEnd(0);
    if (open_ended() && MoreBeyondBuffer()) {
      throw EInOutError("Not a text file or line exceeds buffer size");
    }
  }
  int64_t passed;
  std::string_view line;
  if (p >= 0) {
    line = std::string_view(buffer_.data() + buffer_pos_, static_cast<size_t>(p - buffer_pos_));
    passed = p - buffer_pos_ + line_end_length_;
    // A Ctrl-Z after the line end is passed over only as the file's last byte.
    const int32_t after = p + line_end_length_;
    if (after <= buffer_end_ && buffer_[after] == kCtrlZ &&
        bytes_consumed_ + passed + 1 == file_size_) {
      ++passed;
    }
  } else if (!MoreBeyondBuffer() && buffer_pos_ <= buffer_end_) {
    int32_t last = buffer_end_;
    if (buffer_[last] == kCtrlZ) --last;
    line = std::string_view(buffer_.data() + buffer_pos_, static_cast<size_t>(last - buffer_pos_ + 1));
    passed = buffer_end_ - buffer_pos_ + 1;
  } else {
    throw EInOutError("Line too large (exceeds buffer size)");
  }
  buffer_pos_ += static_cast<int32_t>(passed);
  bytes_consumed_ += passed;
  ReadFinalCtrlZ();
  return line;
}

void TXRTextFile::ReadRecord(int32_t length, std::string& record) {
  record.assign(ReadRecordView(length));
}

std::string_view TXRTextFile::ReadRecordView(int32_t length) {
  if (length < 1 || length > buffer_size_ - 1) {
    throw EInOutError("Record too large (exceeds buffer size)");
  }
  if (writing_) throw EInOutError("Invalid direction for reading file");
  if (Eof()) throw EInOutError("Read beyond end of file");
  int32_t last = buffer_pos_ + length - 1;
  if (MoreBeyondBuffer() && last > buffer_end_) {
    RefillFromConsumed();
    last = length - 1;
  }
  if (last > buffer_end_) throw EInOutError("Invalid record length");
  int32_t extra = 0;
  if (!MoreBeyondBuffer() && buffer_[buffer_end_] == kCtrlZ) {
    if (last == buffer_end_) throw EInOutError("Invalid record length");
    if (last + 1 == buffer_end_) extra = 1;
  }
  std::string_view record(buffer_.data() + buffer_pos_, static_cast<size_t>(length));
  buffer_pos_ = last + 1 + extra;
  bytes_consumed_ += length + extra;
  ReadFinalCtrlZ();
  return record;
}

// A line or record that ends a full buffer with one byte of the file left:
// that byte is read at once, and passed over when it is a Ctrl-Z. It is read
// beside the buffer, which still holds what was just read; any other byte is
// read again with the next buffer.
void TXRTextFile::ReadFinalCtrlZ() {
  if (buffer_pos_ == buffer_end_ + 1 && buffer_end_ + 1 == buffer_size_ &&
      bytes_consumed_ + 1 == file_size_) {
    char last = 0;
    ssize_t n;
    do {
      n = ::pread(fd_, &last, 1, bytes_consumed_);
    } while (n < 0 && errno == EINTR);
    if (n < 0) RaiseIoErrno(errno);
    if (n == 0) throw EInOutError("Read beyond end of file");
    if (last == kCtrlZ) ++bytes_consumed_;
  }
}

void TXRTextFile::WriteLine(std::string_view text) {
  if (record_length_ > 0) {
    PutText(text, {});
  } else {
    PutText(text, line_end_);
  }
}

void TXRTextFile::Write(std::string_view text) { PutText(text, {}); }

void TXRTextFile::WriteBuffered(std::string_view text) { PutText(text, {}); }

void TXRTextFile::PutText(std::string_view a, std::string_view b) {
  const size_t n = a.size() + b.size();
  if (n > static_cast<size_t>(buffer_size_)) {
    throw EInOutError("Line too large (exceeds buffer size)");
  }
  if (buffer_pos_ + n > static_cast<size_t>(buffer_size_)) Flush();
  char* out = buffer_.data() + buffer_pos_;
  if (!a.empty()) std::memcpy(out, a.data(), a.size());
  if (!b.empty()) std::memcpy(out + a.size(), b.data(), b.size());
  buffer_pos_ += static_cast<int32_t>(n);
}

void TXRTextFile::Flush() {
  int32_t done = 0;
  while (done < buffer_pos_) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, static_cast<size_t>(buffer_pos_ - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseIoErrno(errno);
    }
    done += static_cast<int32_t>(n);
    written_ += n;
  }
  buffer_pos_ = 0;
  WriteBack(false);
}

void TXRTextFile::WriteBack(bool all) {
  const int64_t waiting = written_ - written_back_;
  if (!write_back_ || (!all && waiting < kWriteBackStretch)) return;
  if (!StartWriteBack(fd_, written_back_, waiting, write_back_)) RaiseIoErrno(errno);
  written_back_ = written_;
}

void TXRTextFile::AppendFile(const std::string& name, int64_t offset, int64_t length) {
  Flush();
  const int in = OpenRegularFile(name, O_RDONLY);
  auto fail = [in](int err) {
    ::close(in);
    RaiseIoErrno(err);
  };
  // Within the kernel where the file systems allow it, else through the buffer.
  bool within_kernel = true;
  off_t from = offset;
  while (length > 0) {
    ssize_t n;
    if (within_kernel) {
      // A stretch at a time when each goes on to the disk as it is copied.
      const int64_t want = write_back_ ? std::min(length, kWriteBackStretch) : length;
      n = ::copy_file_range(in, &from, fd_, nullptr, static_cast<size_t>(want), 0);
      if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
        within_kernel = false;
        continue;
      }
    } else {
      const size_t want = static_cast<size_t>(std::min<int64_t>(length, buffer_size_));
      n = ::pread(in, buffer_.data(), want, from);
      if (n > 0) {
        from += n;
        buffer_pos_ = static_cast<int32_t>(n);
        try {
          Flush();
        } catch (const EInOutError&) {
          ::close(in);
          throw;
        }
      }
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    if (n == 0) fail(EIO);  // the run is shorter than it was written
    length -= n;
    if (within_kernel) {
      written_ += n;
      try {
        WriteBack(false);
      } catch (const EInOutError&) {
        ::close(in);
        throw;
      }
    }
  }
  ::close(in);
}

void TXRTextFile::Close() {
  if (fd_ < 0) throw EInOutError(IoErrorText(103));
  if (IsOpenForWriting()) {
    if (write_ctrl_z_) Write(std::string_view(&kCtrlZ, 1));
    Flush();
    WriteBack(true);
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) RaiseIoErrno(errno);
}

}  // namespace xrsort
