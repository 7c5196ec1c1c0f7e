// One file read or written through a single byte buffer: text lines with any
// of the four line ends, or fixed-length records with no separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xrsort {

// The buffer of every file that the sorter opens.
constexpr int32_t kSortBufferSize = 32768;

// Opens `name` with `flags` so that the open never waits, as it would for a
// FIFO with no other end; anything but a regular file (a link followed) is
// refused as access denied. A failed open raises its input/output error
// (`creating` as for IoCodeFromErrno). The descriptor keeps O_NONBLOCK,
// which a regular file does not heed. A file that the open itself creates
// (O_CREAT with O_EXCL) is not looked at; any other's size goes to `size`
// when it is given.
int OpenRegularFile(const std::string& name, int flags, unsigned mode = 0666, bool creating = false,
                    int64_t* size = nullptr);

class TXRTextFile {
 public:
  TXRTextFile() = default;
  ~TXRTextFile();  // closes an open file without writing what waits
  TXRTextFile(const TXRTextFile&) = delete;
  TXRTextFile& operator=(const TXRTextFile&) = delete;

  // Binds the native file name, the record length (0 = text lines) and the
  // buffer size (255..1048576); touches no file.
  void Open(const std::string& name, int32_t record_length, int32_t size);
  // Opens for reading and fills the buffer.
  void Reset();
  // Creates or empties the file for writing with line end `style` (0 CR LF,
  // 1 LF CR, 2 LF, 3 CR). `exclusive` creates a new private file (mode 0600)
  // and refuses an existing name or a link.
  void Rewrite(int style, bool ctrl_z, bool exclusive = false);

  bool Eof() const { return bytes_consumed_ == file_size_; }
  // The next line (or record), in the buffer: valid until the next read.
  std::string_view ReadLineView();
  // The same copied into `line`.
  void ReadLine(std::string& line);
  std::string ReadLine();
  std::string_view ReadRecordView(int32_t length);
  void ReadRecord(int32_t length, std::string& record);

  void WriteLine(std::string_view text);
  void Write(std::string_view text);
  void WriteBuffered(std::string_view text);
  void Flush();
  // Writes what waits, then `length` bytes of the file `name` from `offset`.
  void AppendFile(const std::string& name, int64_t offset, int64_t length);
  void SetLineEnd(int style);
  // From now on every finished stretch of what is written starts on its way
  // to the disk at once (where the file system offers it), without waiting.
  void WriteBackAsWritten() { write_back_ = true; }
  void Close();

  bool IsOpen() const { return fd_ >= 0; }
  bool IsOpenForWriting() const { return fd_ >= 0 && writing_; }
  int32_t BufferSize() const { return buffer_size_; }
  // Reading: the file's size in bytes, taken by Reset.
  int64_t Size() const { return file_size_; }
  // Writing: the bytes written to the file since Rewrite.
  int64_t Written() const { return written_; }
  const std::string& FileName() const { return file_name_; }

 private:
  // Puts `a` and `b` into the buffer as one text.
  void PutText(std::string_view a, std::string_view b);
  void FillBuffer(bool first);
  void FillFrom(int32_t kept);
  // Index of the next CR or LF from `from`, or -1; sets line_end_length_.
  int32_t FindLineEnd(int32_t from);
  // Lists the CR and LF bytes of the next stretch of the buffer in ends_.
  void ScanLineEnds();
  // The bytes of the file not yet in the buffer exist.
  bool MoreBeyondBuffer() const;
  // Refills the buffer from the first byte not passed over: the bytes of it
  // already read move to the front, and the rest is read after them.
  void RefillFromConsumed();
  void ReadFinalCtrlZ();
  // Starts the write-back of what was written since the last one, when a
  // stretch of it is finished (`all`: however little).
  void WriteBack(bool all);

  int fd_ = -1;
  int32_t buffer_size_ = 0;
  std::string line_end_;
  int32_t line_end_length_ = 0;
  std::string file_name_;
  int32_t buffer_end_ = -1;  // reading: index of the last valid byte
  int32_t buffer_pos_ = 0;   // reading: next unread byte; writing: bytes waiting
  bool writing_ = false;
  int64_t bytes_consumed_ = 0;  // reading: bytes of the file passed over
  int64_t file_size_ = 0;
  int64_t written_ = 0;
  bool write_ctrl_z_ = false;
  int32_t record_length_ = 0;
  // Reading: the indexes of the buffer's CR and LF bytes below
  // ends_scanned_, in order (ends_count_ of them), the next to look at first.
  std::vector<int32_t> ends_;
  int32_t ends_count_ = 0;
  int32_t next_end_ = 0;
  int32_t ends_scanned_ = 0;
  bool write_back_ = false;
  int64_t written_back_ = 0;  // the bytes whose write-back has started
  std::vector<char> buffer_;
};

}  // namespace xrsort
