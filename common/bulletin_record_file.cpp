#include "common/bulletin_record_file.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace common {

namespace {

// length / L + whole, rounded half to even, as a 32-bit record number.
std::int32_t RoundedRecords(std::int64_t length, int record_length, std::int64_t whole) {
  if (length < 0 || record_length <= 0) vb::Raise(5, "invalid record length");
  std::int64_t q = length / record_length + whole;
  const std::int64_t twice_rest = 2 * (length % record_length);
  if (twice_rest > record_length || (twice_rest == record_length && q % 2 != 0)) ++q;
  if (q > INT32_MAX) vb::Raise(6, "overflow: more than 2147483647 records");
  return static_cast<std::int32_t>(q);
}

}  // namespace

std::int32_t RecordCountOfLength(std::int64_t length, int record_length) {
  return RoundedRecords(length, record_length, 0);
}

std::int32_t NextRecordNumberOfLength(std::int64_t length, int record_length) {
  return RoundedRecords(length, record_length, 1);
}

BulletinRecordFile::~BulletinRecordFile() { Close(); }

void BulletinRecordFile::Open(std::string_view path, int record_length, vb::SharedFile::Access access) {
  file_.Open(path, access);
  length_ = record_length;
}

void BulletinRecordFile::Close() { file_.Close(); }

std::int64_t BulletinRecordFile::Lof() const {
  if (!file_.IsOpen()) vb::Raise(52, "bad file name or number");
  return file_.Length();
}

std::int32_t BulletinRecordFile::RecordCount() const { return RecordCountOfLength(Lof(), length_); }

std::int32_t BulletinRecordFile::NextRecordNumber() const {
  return NextRecordNumberOfLength(Lof(), length_);
}

std::string BulletinRecordFile::ReadRecordAt(int k) const {
  if (!file_.IsOpen()) vb::Raise(52, "bad file name or number");
  if (k < 1) vb::Raise(63, "bad record number");
  std::string record(static_cast<size_t>(length_), ' ');
  // What lies past the end of the file stays blank.
  file_.ReadAt(static_cast<std::int64_t>(k - 1) * length_, record.data(), record.size());
  return record;
}

void BulletinRecordFile::WriteRecordAt(int k, std::string_view text) {
  if (!file_.IsOpen()) vb::Raise(52, "bad file name or number");
  if (k < 1) vb::Raise(63, "bad record number");
  std::string record(text.substr(0, static_cast<size_t>(length_)));
  record.resize(static_cast<size_t>(length_), ' ');
  std::int64_t start = static_cast<std::int64_t>(k - 1) * length_;
  // A record placed past the end (after a partial last record) fills the
  // gap with blanks, as that record reads, rather than with NUL bytes.
  const std::int64_t end = Lof();
  if (start > end) {
    record.insert(0, static_cast<size_t>(start - end), ' ');
    start = end;
  }
  file_.WriteAt(start, record);
}

int BulletinRecordFile::AppendRecord(std::string_view text, bool sync) {
  const std::int64_t length = Lof();
  const int k = NextRecordNumberOfLength(length, length_);
  // A record placed inside a partial tail writes over it: its bytes are kept
  // to put back.
  const std::int64_t start = static_cast<std::int64_t>(k - 1) * length_;
  std::string tail(static_cast<size_t>(std::max<std::int64_t>(length - start, 0)), ' ');
  tail.resize(file_.ReadAt(start, tail.data(), tail.size()));
  try {
    WriteRecordAt(k, text);
    if (sync) Sync();
  } catch (...) {
    PutBack(length, start, tail, sync);
    throw;
  }
  return k;
}

void BulletinRecordFile::PutBack(std::int64_t length, std::int64_t tail_start, const std::string& tail,
                                 bool sync) {
  try {
    file_.Truncate(length);
    file_.WriteAt(tail_start, tail);
    if (sync) file_.Sync();
  } catch (const vb::Error&) {
    // The failure that made the append give up is the one reported.
  }
}

bool BulletinRecordFile::TruncateIfLength(std::int64_t expected) {
  if (Lof() != expected) return false;
  file_.Truncate(0);
  return true;
}

void BulletinRecordFile::TruncateTo(std::int64_t length) {
  if (!file_.IsOpen()) vb::Raise(52, "bad file name or number");
  file_.Truncate(length);
}

void BulletinRecordFile::Sync() {
  if (!file_.IsOpen()) vb::Raise(52, "bad file name or number");
  file_.Sync();
}

std::string PadField(std::string_view value, int width) {
  std::string field = vb::Trim(value);
  field.resize(static_cast<size_t>(width), ' ');
  return field;
}

std::string FieldText(std::string_view record, int position, int width) {
  return vb::Trim(vb::Mid(record, position, width));
}

char StatusOf(std::string_view record) { return record.size() > 1 ? record[1] : ' '; }

LiveRecordIndex ScanLiveRecords(const BulletinRecordFile& file) {
  LiveRecordIndex index;
  const int n = file.RecordCount();
  for (int k = 1; k <= n; ++k) {
    if (!IsDeadRecord(file.ReadRecordAt(k))) index.Add(k);
  }
  return index;
}

void CopyLiveRecords(BulletinRecordFile& dat, const std::string& folder, const std::string& stem) {
  const std::string new_path = folder + stem + ".new";
  BulletinRecordFile compacted;
  try {
    compacted.Open(new_path, dat.RecordLength());
  } catch (const vb::Error&) {
    dat.Close();  // whatever stands in the way of the ".new" is not ours to delete
    throw;
  }
  try {
    // An old ".new" left by an earlier run is emptied.
    compacted.TruncateIfLength(compacted.Lof());
    const int n = dat.RecordCount();
    int m = 0;
    for (int k = 1; k <= n; ++k) {
      const std::string record = dat.ReadRecordAt(k);
      if (!IsDeadRecord(record)) compacted.WriteRecordAt(++m, record);
    }
    compacted.Sync();
  } catch (const vb::Error&) {
    compacted.Close();
    dat.Close();
    vb::DiscardFile(new_path);
    throw;
  }
  compacted.Close();
  dat.Close();
}

void ReplaceWithCompacted(const std::string& folder, const std::string& stem) {
  // The ".new" keeps its fixed name, which the put-back at start-up looks
  // for. A read-only store is not replaced (75), and the compacted one keeps
  // the old store's mode and group, so the staff who may append still may. The task
  // tools hold "ovtask.lck" from the copy through this rename.
  vb::ReplaceRules rules;
  rules.temporary_name = stem + ".new";
  rules.refuse_read_only = true;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  vb::PutInPlace(folder + stem + ".dat", rules);
}

void CompactRecordFile(BulletinRecordFile& dat, const std::string& folder, const std::string& stem) {
  CopyLiveRecords(dat, folder, stem);
  ReplaceWithCompacted(folder, stem);
}

void RestoreCompactedStore(const std::string& folder, const std::string& stem) {
  vb::PutBackIfMissing(folder + stem + ".dat", stem + ".new");
}

}  // namespace common
