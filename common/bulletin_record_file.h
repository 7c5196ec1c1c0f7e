// The bulletin tools' stores: flat files of fixed-length records (no header,
// no line ends), record k at byte (k - 1) x L, numbered from 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shared_file.h"

namespace common {

// Record counts from a length in bytes: length / L rounded half to even, and
// length / L + 1 rounded the same way. Above 2147483647 raises 6 (overflow).
std::int32_t RecordCountOfLength(std::int64_t length, int record_length);
std::int32_t NextRecordNumberOfLength(std::int64_t length, int record_length);

// One open record file. Every call reads the file's length afresh, so records
// appended meanwhile by another program are seen. Calls on a file that is not
// open raise 52, as a file number that was never opened does.
class BulletinRecordFile {
 public:
  BulletinRecordFile() = default;
  ~BulletinRecordFile();
  BulletinRecordFile(const BulletinRecordFile&) = delete;
  BulletinRecordFile& operator=(const BulletinRecordFile&) = delete;

  // Opens `path` (Windows or native form) for reading and writing, or for
  // reading alone, creating a missing file empty. A link in the file's place
  // is refused (70), never followed; a missing folder raises 76.
  void Open(std::string_view path, int record_length,
            vb::SharedFile::Access access = vb::SharedFile::Access::kReadWrite);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }
  int RecordLength() const { return length_; }

  std::int64_t Lof() const;
  std::int32_t RecordCount() const;
  std::int32_t NextRecordNumber() const;

  // Record k, always L bytes: a short last record reads as padded with
  // blanks. k < 1 raises 63.
  std::string ReadRecordAt(int k) const;
  // Overwrites record k with the text padded with blanks or cut to L;
  // writing past the end lengthens the file, any gap filled with blanks.
  void WriteRecordAt(int k, std::string_view text);
  // Writes at NextRecordNumber and returns the number used; with `sync`, once
  // the record is on the disk. An append that fails part-way puts the file
  // back as it was (its length, and the bytes of an old partial tail the
  // record began over) and raises its error; that error also when putting
  // back fails. Nothing else is read first.
  int AppendRecord(std::string_view text, bool sync = false);

  // Empties the file when it still has `expected` bytes; false when it has
  // grown or shrunk since.
  bool TruncateIfLength(std::int64_t expected);
  // Cuts the file to `length` bytes.
  void TruncateTo(std::int64_t length);
  // Flushes what was written to the disk.
  void Sync();

 private:
  void PutBack(std::int64_t length, std::int64_t tail_start, const std::string& tail, bool sync);

  vb::SharedFile file_;
  int length_ = 0;
};

// Field rules: PadField trims blanks (only character 32), pads with blanks and
// cuts to `width`; FieldText takes `width` characters from 1-based `position`
// and trims their blanks.
std::string PadField(std::string_view value, int width);
std::string FieldText(std::string_view record, int position, int width);

// The Status character (position 2) of a record; "D" marks a dead record.
char StatusOf(std::string_view record);
inline bool IsDeadRecord(std::string_view record) { return StatusOf(record) == 'D'; }

// The record numbers of the live records in file order, read as
// ItemIndex(i) for i = 1 .. Count(). It grows as needed; record numbers are
// 32-bit.
class LiveRecordIndex {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  std::int32_t operator()(int i) const { return entries_.at(static_cast<size_t>(i - 1)); }
  void Add(std::int32_t record_number) { entries_.push_back(record_number); }
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::int32_t> entries_;
};

// Reads records 1 .. RecordCount and lists those whose Status is not "D".
LiveRecordIndex ScanLiveRecords(const BulletinRecordFile& file);

// Compaction of "<folder><stem>.dat", which is open as `dat`, in two halves:
// CopyLiveRecords writes and syncs "<folder><stem>.new" with the live
// records in their order and closes `dat`; on an error it closes both and
// raises, leaving ".dat" untouched and deleting a ".new" it could open.
// ReplaceWithCompacted then renames ".new" over ".dat" in one step, so the
// store is never missing, giving it the old store's mode; a read-only ".dat"
// is not replaced (75). `folder` ends with a separator.
void CopyLiveRecords(BulletinRecordFile& dat, const std::string& folder, const std::string& stem);
void ReplaceWithCompacted(const std::string& folder, const std::string& stem);
// Both halves.
void CompactRecordFile(BulletinRecordFile& dat, const std::string& folder, const std::string& stem);

// At start-up: a ".dat" missing beside a non-empty ".new" (a compaction cut
// short before its rename) is put back by renaming the ".new".
void RestoreCompactedStore(const std::string& folder, const std::string& stem);

}  // namespace common
