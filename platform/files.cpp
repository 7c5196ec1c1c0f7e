#include "platform/files.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <utility>

#include "platform/file_calls.h"
#include "platform/path_memory.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

// What LineWriter gathers before it writes: a page goes out in one write.
constexpr size_t kWriteBlock = 1 << 16;
// What LineReader reads at a time, whatever the size of the file.
constexpr size_t kReadBlock = 1 << 16;

void RaiseFrom(const std::error_code& ec, FileOp op, const fs::path& path) {
  RaiseErrno(ec.value(), op, path);
}

// Runs `op` on where `path` leads. When it fails on a target taken from
// memory and a fresh look-up finds another one, `op` runs again on that.
template <typename Op>
auto OnTarget(std::string_view path, Intent intent, Op&& op) {
  const Target target = Locate(path, intent);
  try {
    return op(target);
  } catch (const Error&) {
    if (!target.remembered) throw;
    const Target fresh = LocateAfresh(path);
    if (!MemoryMisled(target, fresh)) throw;
    return op(fresh);
  }
}

// The same for an operation on two paths.
template <typename Op>
void OnTargets(std::string_view a, Intent a_intent, std::string_view b, Intent b_intent, Op&& op) {
  const Target first = Locate(a, a_intent);
  const Target second = Locate(b, b_intent);
  try {
    op(first, second);
  } catch (const Error&) {
    if (!first.remembered && !second.remembered) throw;
    const Target fresh_first = LocateAfresh(a);
    const Target fresh_second = LocateAfresh(b);
    const bool misled_first = MemoryMisled(first, fresh_first);
    if (!MemoryMisled(second, fresh_second) && !misled_first) throw;
    op(fresh_first, fresh_second);
  }
}

// Writes all of `bytes`; false with errno set when the system refuses.
bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// A copy of a program stays runnable: the target may be run wherever it may be read.
void KeepRunnable(int out) {
  struct stat st {};
  if (::fstat(out, &st) == 0) ::fchmod(out, (st.st_mode & 07777) | ((st.st_mode & 0444) >> 2));
}

// Looks at what stands at a copy's target before the copy: a link there is
// removed, as it is replaced and never written through. True, with `st` its
// status, when anything else is there.
bool LookAtTarget(const std::string& to, struct stat& st) {
  if (::lstat(to.c_str(), &st) != 0) return false;
  if (!S_ISLNK(st.st_mode)) return true;
  std::error_code ec;
  fs::remove(to, ec);
  return false;
}

// What a copy is made from: a regular file open to read, or the bytes held
// from one.
struct CopySource {
  const std::string& path;
  struct stat st;
  int fd;
  const std::string* bytes;
};

// Copies `source` to `to`, where `target` (null for nothing) stands; the
// target gets ordinary permissions, and those of a program when the source
// is one. A target known to be new is made without looking for it first.
void CopyInto(const CopySource& source, const std::string& to, bool to_is_new, const struct stat* target) {
  // Opening the target would empty the source when both are one file.
  if (target != nullptr && target->st_dev == source.st.st_dev && target->st_ino == source.st.st_ino) {
    Raise(70, to + ": is the file being copied");
  }
  int out;
  try {
    out = OpenNoFollow(to, O_WRONLY | O_CREAT | (to_is_new ? O_EXCL : O_TRUNC));
  } catch (const Error& error) {
    // A file thought new may have come by other means (75, the name is
    // taken): it is replaced.
    if (!to_is_new || error.number() != 75) throw;
    struct stat there {};
    return CopyInto(source, to, false, LookAtTarget(to, there) ? &there : nullptr);
  }
  NoteMade(to, false);
  if ((source.st.st_mode & 0111) != 0) KeepRunnable(out);
  bool read_failed = false;
  const bool copied = source.bytes != nullptr
                          ? WriteAll(out, source.bytes->data(), source.bytes->size())
                          : CopyRest(source.fd, out, source.st.st_size, read_failed);
  if (!copied) {
    const int err = errno;
    ::close(out);
    if (read_failed) RaiseErrno(err, FileOp::Copy, source.path);
    RaiseErrno(err, FileOp::Write, to);
  }
  if (::close(out) != 0) RaiseErrno(errno, FileOp::Write, to);
}

// Copies one regular file by bytes, as CopyInto does.
void CopyFileBytes(const std::string& from, const std::string& to, bool to_is_new) {
  struct stat there {};
  const bool target = !to_is_new && LookAtTarget(to, there);
  CopySource source{from, {}, -1, nullptr};
  source.fd = OpenFile(from, O_RDONLY, FileOp::OpenRead, 0, &source.st);
  try {
    CopyInto(source, to, to_is_new, target ? &there : nullptr);
  } catch (const Error&) {
    ::close(source.fd);
    throw;
  }
  ::close(source.fd);
}

// Without `rules` an existing file is written in place.
void CopyTree(const fs::path& from, const fs::path& to, const ReplaceRules* rules) {
  std::error_code ec;
  std::vector<fs::path> folders, files;
  for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status st = it->symlink_status(ec);
    if (fs::is_directory(st)) folders.push_back(it->path());
    else if (fs::is_regular_file(st)) files.push_back(it->path());
  }
  if (ec) RaiseFrom(ec, FileOp::Query, from);
  const std::string to_text = to.string();
  for (const fs::path& folder : folders) {
    const fs::path target = to / folder.filename();
    bool made = false;
    if (KnownEntry(to_text, folder.filename().string()) == Presence::Absent) {
      made = ::mkdir(target.c_str(), 0777) == 0;
      if (!made && errno != EEXIST) RaiseErrno(errno, FileOp::MkDir, target);
    }
    if (!made) {
      if (fs::is_symlink(fs::symlink_status(target, ec))) fs::remove(target, ec);
      if (!fs::is_directory(target, ec)) {
        if (::mkdir(target.c_str(), 0777) != 0) RaiseErrno(errno, FileOp::MkDir, target);
        made = true;
      }
    }
    if (made) NoteMade(target.string(), true);
    CopyTree(folder, target, rules);
  }
  for (const fs::path& file : files) {
    const std::string name = file.filename().string();
    if (rules != nullptr) {
      ReplaceWithCopy(NativeToText(file), NativeToText(to / name), *rules);
      continue;
    }
    const bool is_new = KnownEntry(to_text, name) == Presence::Absent;
    CopyFileBytes(file.string(), (to / name).string(), is_new);
  }
}

// The status of where `path` leads (of a link itself unless `follow`), and
// that path; false when there is nothing there.
bool StatOf(std::string_view path, bool follow, struct stat& st, std::string& native) {
  auto look = [&](const Target& target) {
    native = target.native;
    return (follow ? ::stat(native.c_str(), &st) : ::lstat(native.c_str(), &st)) == 0;
  };
  const Target target = Locate(path, Intent::Use);
  if (look(target)) return true;
  const int err = errno;
  if (!target.remembered || target.presence == Presence::Absent) return false;
  const Target fresh = LocateAfresh(path);
  if (!MemoryMisled(target, fresh)) {
    errno = err;
    return false;
  }
  return look(fresh);
}

// Opens a file to read, `st` its status; anything but a file raises 75.
int OpenToRead(const std::string& native, struct stat& st) {
  return OpenFile(native, O_RDONLY, FileOp::OpenRead, 0, &st);
}

// The rest of an open file, `st` its status; the descriptor is closed,
// whether the read succeeds or raises.
std::string ReadWholeAndClose(int fd, const struct stat& st, const std::string& native) {
  // Room for the whole file and one byte more, so that one read finds its end.
  std::string data(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
  size_t size = 0;
  for (;;) {
    if (size == data.size()) data.resize(data.size() * 2);
    const ssize_t n = ::read(fd, data.data() + size, data.size() - size);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      RaiseErrno(err, FileOp::Read, native);
    }
    size += static_cast<size_t>(n);
    if (size < data.size() && static_cast<off_t>(size) == st.st_size) break;
  }
  ::close(fd);
  data.resize(size);
  return data;
}

}  // namespace

void MkDir(std::string_view path) {
  OnTarget(path, Intent::Create, [](const Target& target) {
    if (::mkdir(target.native.c_str(), 0777) != 0) RaiseErrno(errno, FileOp::MkDir, target.native);
    NoteMade(target.native, true);
  });
}

void Kill(std::string_view path_or_pattern) {
  OnTarget(path_or_pattern, Intent::Use, [](const Target& target) {
    const fs::path native = target.native;
    const std::string pattern = native.filename().string();
    if (pattern.find_first_of("*?") == std::string::npos) {
      std::error_code ec;
      if (fs::is_directory(native, ec)) Raise(53, native.string() + ": not a file");
      if (::unlink(native.c_str()) != 0) RaiseErrno(errno, FileOp::Remove, native);
      NoteRemoved(target.native);
      return;
    }
    const fs::path folder = native.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) Raise(76, folder.string() + ": path not found");
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec) && !it->is_symlink(ec)) continue;
      const std::string name = it->path().filename().string();
      if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) != 0) continue;
      if (::unlink(it->path().c_str()) != 0) RaiseErrno(errno, FileOp::Remove, it->path());
      NoteRemoved(it->path().string());
      ++removed;
    }
    if (removed == 0) Raise(53, native.string() + ": no file matches");
  });
}

void Name(std::string_view from, std::string_view to) {
  OnTargets(from, Intent::Use, to, Intent::Create, [](const Target& from_target, const Target& to_target) {
    const fs::path source = from_target.native;
    const fs::path target = to_target.native;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(source, ec))) RaiseErrno(ENOENT, FileOp::Rename, source);
    if (fs::exists(fs::symlink_status(target, ec))) Raise(58, target.string() + ": file already exists");
    if (::rename(source.c_str(), target.c_str()) != 0) RaiseErrno(errno, FileOp::Rename, target);
    NoteMoved(source.string(), target.string());
  });
}

void FileCopy(std::string_view from, std::string_view to) {
  OnTargets(from, Intent::Use, to, Intent::Create, [](const Target& source, const Target& target) {
    CopyFileBytes(source.native, target.native, target.presence == Presence::Absent);
  });
}

HeldFile::HeldFile(std::string_view path) {
  OnTarget(path, Intent::Use, [this](const Target& target) {
    auto status = std::make_shared<struct stat>();
    const int fd = OpenToRead(target.native, *status);
    bytes_ = ReadWholeAndClose(fd, *status, target.native);
    native_ = target.native;
    status_ = std::move(status);
  });
}

void HeldFile::CopyTo(std::string_view to) const {
  OnTarget(to, Intent::Create, [this](const Target& target) {
    const bool is_new = target.presence == Presence::Absent;
    struct stat there {};
    const bool there_before = !is_new && LookAtTarget(target.native, there);
    CopyInto(CopySource{native_, *status_, -1, &bytes_}, target.native, is_new,
             there_before ? &there : nullptr);
  });
}

static void CopyContents(std::string_view from, std::string_view to, const ReplaceRules* rules) {
  OnTargets(from, Intent::Use, to, Intent::Use, [rules](const Target& from_target, const Target& to_target) {
    const fs::path source = from_target.native;
    const fs::path target = to_target.native;
    std::error_code ec;
    if (!fs::is_directory(source, ec)) Raise(76, source.string() + ": path not found");
    if (!fs::is_directory(target, ec)) Raise(76, target.string() + ": path not found");
    CopyTree(source, target, rules);
  });
}

void CopyFolderContents(std::string_view from, std::string_view to) { CopyContents(from, to, nullptr); }

void CopyFolderContents(std::string_view from, std::string_view to, const ReplaceRules& rules) {
  CopyContents(from, to, &rules);
}

bool FileExists(std::string_view path) {
  struct stat st {};
  std::string native;
  return StatOf(path, true, st, native) && S_ISREG(st.st_mode);
}

bool FolderExists(std::string_view path) {
  struct stat st {};
  std::string native;
  return StatOf(path, true, st, native) && S_ISDIR(st.st_mode);
}

bool IsReadOnlyFile(std::string_view path) {
  struct stat st {};
  std::string native;
  return StatOf(path, false, st, native) && IsReadOnly(st, native);
}

std::int64_t FileLen(std::string_view path) {
  struct stat st {};
  std::string native;
  if (!StatOf(path, true, st, native)) RaiseErrno(errno, FileOp::Query, native);
  return static_cast<std::int64_t>(st.st_size);
}

std::vector<FolderEntry> ListFolder(std::string_view path) {
  return OnTarget(path, Intent::Use, [](const Target& target) {
    const fs::path native = target.native;
    std::error_code ec;
    if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
    std::vector<FolderEntry> entries;
    fs::directory_iterator it(native, ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.empty() || name[0] == '.') continue;
      // A link to nothing is listed as a file; it does not end the listing.
      std::error_code entry_ec;
      entries.push_back({Utf8To1252(name), it->is_directory(entry_ec)});
    }
    if (ec) RaiseFrom(ec, FileOp::Query, native);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return LCase(a.name) < LCase(b.name); });
    return entries;
  });
}

std::string ReadFileBytes(std::string_view path) {
  return OnTarget(path, Intent::Use, [](const Target& target) {
    struct stat st {};
    const int fd = OpenToRead(target.native, st);
    return ReadWholeAndClose(fd, st, target.native);
  });
}

LineReader::LineReader(std::string_view path, bool lf_ends_line) : lf_ends_line_(lf_ends_line) {
  OnTarget(path, Intent::Use, [this](const Target& target) {
    struct stat st {};
    fd_ = OpenToRead(target.native, st);
    native_ = target.native;
    length_ = static_cast<std::int64_t>(st.st_size);
    buffer_.resize(kReadBlock);
  });
}

LineReader::~LineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool LineReader::Fill() {
  if (pos_ < end_) return true;
  if (fd_ < 0) return false;
  ssize_t n;
  do {
    n = ::read(fd_, buffer_.data(), buffer_.size());
  } while (n < 0 && errno == EINTR);
  if (n < 0) RaiseErrno(errno, FileOp::Read, native_);
  pos_ = 0;
  end_ = static_cast<size_t>(n);
  if (n > 0) return true;
  ::close(std::exchange(fd_, -1));
  return false;
}

bool LineReader::Eof() { return !Fill(); }

std::string LineReader::LineInput() {
  if (Eof()) Raise(62, "input past end of file");
  std::string line;
  for (;;) {
    size_t stop = pos_;
    while (stop < end_ && buffer_[stop] != '\r' && !(lf_ends_line_ && buffer_[stop] == '\n')) ++stop;
    line.append(buffer_, pos_, stop - pos_);
    pos_ = stop;
    if (pos_ < end_) break;
    if (!Fill()) return line;  // the last line, with no end of its own
  }
  // A CR LF may have its LF at the start of the next block.
  if (buffer_[pos_++] == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
  return line;
}

namespace {

// The buffer of the last writer that ended, kept for the next one: a build
// writes tens of thousands of pages one after another, each in one buffer.
std::string& SpareBuffer() {
  thread_local std::string spare;
  return spare;
}

}  // namespace

LineWriter::LineWriter(std::string_view path, Mode mode) {
  buffer_.swap(SpareBuffer());
  buffer_.clear();
  const int kind = O_WRONLY | O_CREAT | (mode == Append ? O_APPEND : O_TRUNC);
  OnTarget(path, Intent::Create, [&](const Target& target) {
    native_ = target.native;
    const int fd = OpenNoFollow(native_, kind | (target.presence == Presence::Absent ? O_EXCL : 0));
    NoteMade(native_, false);
    fd_ = fd;
  });
}

LineWriter::~LineWriter() {
  if (fd_ >= 0) {
    WriteAll(fd_, buffer_.data(), buffer_.size());
    ::close(fd_);
  }
  if (buffer_.capacity() > SpareBuffer().capacity()) buffer_.swap(SpareBuffer());
}

void LineWriter::Flush() {
  const bool written = WriteAll(fd_, buffer_.data(), buffer_.size());
  buffer_.clear();
  if (!written) RaiseErrno(errno, FileOp::Write, native_);
}

void LineWriter::WriteThrough(std::string_view bytes) {
  Flush();
  if (!WriteAll(fd_, bytes.data(), bytes.size())) RaiseErrno(errno, FileOp::Write, native_);
}

void LineWriter::Write(std::string_view bytes) {
  if (fd_ < 0) Raise(52, "bad file name or number");
  if (bytes.size() >= kWriteBlock) return WriteThrough(bytes);
  buffer_.append(bytes);
  if (buffer_.size() >= kWriteBlock) Flush();
}

void LineWriter::Print(std::string_view line) {
  if (fd_ < 0) Raise(52, "bad file name or number");
  if (line.size() >= kWriteBlock) {
    WriteThrough(line);
  } else {
    buffer_.append(line);
  }
  buffer_.append("\r\n");
  if (buffer_.size() >= kWriteBlock) Flush();
}

void LineWriter::Print(size_t blanks, std::initializer_list<std::string_view> pieces) {
  size_t size = blanks;
  for (std::string_view piece : pieces) size += piece.size();
  if (size >= kWriteBlock) {
    std::string line(blanks, ' ');
    for (std::string_view piece : pieces) line += piece;
    return Print(line);
  }
  if (fd_ < 0) Raise(52, "bad file name or number");
  buffer_.append(blanks, ' ');
  for (std::string_view piece : pieces) buffer_ += piece;
  buffer_ += "\r\n";
  if (buffer_.size() >= kWriteBlock) Flush();
}

void LineWriter::Close() {
  if (fd_ < 0) return;
  const int fd = std::exchange(fd_, -1);
  const bool written = WriteAll(fd, buffer_.data(), buffer_.size());
  const int err = errno;
  buffer_.clear();
  const bool closed = ::close(fd) == 0;
  if (!written) RaiseErrno(err, FileOp::Write, native_);
  if (!closed) RaiseErrno(errno, FileOp::Write, native_);
}

}  // namespace vb
