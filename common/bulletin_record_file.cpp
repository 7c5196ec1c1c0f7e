#include "common/bulletin_record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace common {

namespace {

// length / L + whole, rounded half to even, as a 16-bit record number.
std::int16_t RoundedRecords(std::int64_t length, int record_length, std::int64_t whole) {
  if (length < 0 || record_length <= 0) vb::Raise(5, "invalid record length");
  std::int64_t q = length / record_length + whole;
  const std::int64_t twice_rest = 2 * (length % record_length);
  if (twice_rest > record_length || (twice_rest == record_length && q % 2 != 0)) ++q;
  if (q > 32767) vb::Raise(6, "overflow: more than 32767 records");
  return static_cast<std::int16_t>(q);
}

// Opens a file of the tool for writing without following a link in its place:
// such a link is an access error.
int OpenNoFollow(const std::string& native, int flags) {
  const int fd = ::open(native.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) vb::RaiseErrno(errno == ELOOP ? EACCES : errno, vb::FileOp::OpenWrite, native);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
    ::close(fd);
    vb::Raise(70, native + ": not a file");
  }
  return fd;
}

}  // namespace

std::int16_t RecordCountOfLength(std::int64_t length, int record_length) {
  return RoundedRecords(length, record_length, 0);
}

std::int16_t NextRecordNumberOfLength(std::int64_t length, int record_length) {
  return RoundedRecords(length, record_length, 1);
}

BulletinRecordFile::~BulletinRecordFile() { Close(); }

void BulletinRecordFile::Open(std::string_view path, int record_length) {
  Close();
  native_ = vb::Resolve(path).string();
  fd_ = OpenNoFollow(native_, O_RDWR | O_CREAT);
  length_ = record_length;
}

void BulletinRecordFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::int64_t BulletinRecordFile::Lof() const {
  if (fd_ < 0) vb::Raise(52, "bad file name or number");
  struct stat st {};
  if (::fstat(fd_, &st) != 0) vb::RaiseErrno(errno, vb::FileOp::Query, native_);
  return static_cast<std::int64_t>(st.st_size);
}

std::int16_t BulletinRecordFile::RecordCount() const { return RecordCountOfLength(Lof(), length_); }

std::int16_t BulletinRecordFile::NextRecordNumber() const {
  return NextRecordNumberOfLength(Lof(), length_);
}

std::string BulletinRecordFile::ReadRecordAt(int k) const {
  if (fd_ < 0) vb::Raise(52, "bad file name or number");
  if (k < 1) vb::Raise(63, "bad record number");
  std::string record(static_cast<size_t>(length_), ' ');
  size_t done = 0;
  const off_t start = static_cast<off_t>(k - 1) * length_;
  while (done < record.size()) {
    const ssize_t n =
        ::pread(fd_, record.data() + done, record.size() - done, start + static_cast<off_t>(done));
    if (n < 0) vb::RaiseErrno(errno, vb::FileOp::OpenRead, native_);
    if (n == 0) break;  // the rest stays blank
    done += static_cast<size_t>(n);
  }
  return record;
}

void BulletinRecordFile::WriteRecordAt(int k, std::string_view text) {
  if (fd_ < 0) vb::Raise(52, "bad file name or number");
  if (k < 1) vb::Raise(63, "bad record number");
  std::string record(text.substr(0, static_cast<size_t>(length_)));
  record.resize(static_cast<size_t>(length_), ' ');
  off_t start = static_cast<off_t>(k - 1) * length_;
  // A record placed past the end (after a partial last record) fills the
  // gap with blanks, as that record reads, rather than with NUL bytes.
  const off_t end = static_cast<off_t>(Lof());
  if (start > end) {
    record.insert(0, static_cast<size_t>(start - end), ' ');
    start = end;
  }
  size_t done = 0;
  while (done < record.size()) {
    const ssize_t n =
        ::pwrite(fd_, record.data() + done, record.size() - done, start + static_cast<off_t>(done));
    if (n < 0) vb::RaiseErrno(errno, vb::FileOp::Write, native_);
    done += static_cast<size_t>(n);
  }
}

int BulletinRecordFile::AppendRecord(std::string_view text) {
  const int k = NextRecordNumber();
  WriteRecordAt(k, text);
  return k;
}

bool BulletinRecordFile::TruncateIfLength(std::int64_t expected) {
  if (Lof() != expected) return false;
  if (::ftruncate(fd_, 0) != 0) vb::RaiseErrno(errno, vb::FileOp::Write, native_);
  return true;
}

void BulletinRecordFile::Sync() {
  if (fd_ < 0) vb::Raise(52, "bad file name or number");
  if (::fsync(fd_) != 0) vb::RaiseErrno(errno, vb::FileOp::Write, native_);
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
    if (!IsDeadRecord(file.ReadRecordAt(k))) index.Add(static_cast<std::int16_t>(k));
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
    ::unlink(vb::Resolve(new_path).c_str());
    throw;
  }
  compacted.Close();
  dat.Close();
}

void ReplaceWithCompacted(const std::string& folder, const std::string& stem) {
  // The ".new" keeps its fixed name, which the put-back at start-up looks
  // for. A read-only store is not replaced (75), and the compacted one keeps
  // the old store's mode, so the staff who may append still may. The task
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
