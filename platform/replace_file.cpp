#include "platform/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/file_calls.h"
#include "platform/path_memory.h"
#include "platform/paths.h"
#include "platform/temporary_names.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

// Syncs the folder of `file`, so that a rename or a removal there lasts;
// false (errno set) when the folder could not be opened or synced.
bool SyncFolderOf(const fs::path& file) {
  const int fd = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = SyncToDisk(fd);
  const int sync_error = errno;
  ::close(fd);
  errno = sync_error;
  return synced;
}

// What follows a file's rename to `target`: the path layer learns of it and
// the folder is synced so that the rename lasts. Nothing that fails here is
// reported: the new file is in place.
void Settle(const fs::path& target) {
  NoteMade(target.string(), false);
  SyncFolderOf(target);
}

mode_t OrdinaryMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666) & ~mask;
}

// The folder part of a path as written, with its separator.
std::string FolderText(std::string_view path) {
  const size_t end = path.find_last_of("\\/");
  return end == std::string_view::npos ? std::string() : std::string(path.substr(0, end + 1));
}

struct Place {
  fs::path target;
  fs::path temporary;  // empty for a name that tells its writer
};

Place PlaceOf(std::string_view target, const std::string& temporary_name) {
  Place place{Resolve(target), {}};
  if (!temporary_name.empty()) place.temporary = Resolve(FolderText(target) + temporary_name);
  return place;
}

// The old file's mode and group.
struct OldFile {
  mode_t mode;
  gid_t group;
};

// Gives the open file `group`, when there is one, and returns the mode it is
// to have then: `mode`, but 0600 for a secret that keeps the user's own
// group, as the user does not belong to `group`. The group goes first, as a
// change of group may clear the mode's set-id bits.
mode_t GiveGroup(int fd, mode_t mode, const std::optional<gid_t>& group, bool secret) {
  if (group && ::fchown(fd, static_cast<uid_t>(-1), *group) != 0 && secret) return 0600;
  return mode;
}

// Tests what stands at the target against the rules; what the old file had
// when it is a regular one.
std::optional<OldFile> Examine(const Place& place, const ReplaceRules& rules) {
  struct stat st {};
  if (::lstat(place.target.c_str(), &st) != 0) {
    if (errno != ENOENT && rules.refuse_other_than_file) RaiseErrno(errno, FileOp::OpenWrite, place.target);
    return std::nullopt;
  }
  const bool replaced_link = rules.replace_link && S_ISLNK(st.st_mode);
  if ((rules.refuse_other_than_file && !S_ISREG(st.st_mode) && !replaced_link) ||
      (rules.refuse_read_only && IsReadOnly(st, place.target.string())) ||
      (rules.refuse_unwritable && S_ISREG(st.st_mode) && ::access(place.target.c_str(), W_OK) != 0)) {
    Raise(rules.refusal_number, place.target.string() + ": may not be replaced");
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return OldFile{static_cast<mode_t>(st.st_mode & 07777), st.st_gid};
}

bool IsSecret(const ReplaceRules& rules) { return rules.mode == ReplaceRules::Mode::kSecret; }

// The group the new file is given: the old file's with its mode, else none.
std::optional<gid_t> NewGroup(const ReplaceRules& rules, const std::optional<OldFile>& old) {
  if ((rules.mode != ReplaceRules::Mode::kOldFile && !IsSecret(rules)) || !old) return std::nullopt;
  return old->group;
}

mode_t NewMode(const ReplaceRules& rules, const std::optional<OldFile>& old, bool program) {
  // A secret is never open to others, and always to the one who saved it.
  if (IsSecret(rules)) return old ? static_cast<mode_t>((old->mode & 0770) | 0600) : 0600;
  if (rules.mode == ReplaceRules::Mode::kOldFile && old) return old->mode;
  const mode_t mode = OrdinaryMode();
  // A program may be run wherever it may be read.
  return program ? static_cast<mode_t>(mode | ((mode & 0444) >> 2)) : mode;
}

// The temporary file while it is written; removed unless it took the
// target's place.
class Temporary {
 public:
  // With `secret`, the mode is given only with the group, else 0600.
  Temporary(const Place& place, mode_t mode, std::optional<gid_t> group, bool secret);
  ~Temporary();
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  void Write(const char* bytes, size_t size);
  // Copies the rest of the open file `in`, of size `size`, from `source`.
  void CopyFrom(int in, off_t size, const fs::path& source);
  // Syncs and closes the file and renames it over the target.
  void TakePlace();

 private:
  [[noreturn]] void Fail(int err) const { RaiseErrno(err, FileOp::Write, place_.target); }

  const Place& place_;
  std::string path_;
  int fd_ = -1;
  bool placed_ = false;
};

Temporary::Temporary(const Place& place, mode_t mode, std::optional<gid_t> group, bool secret)
    : place_(place) {
  if (place.temporary.empty()) {
    const std::string file_name = place.target.filename().string();
    RemoveStaleTemporaries(place.target.parent_path(), file_name);
    path_ = (place.target.parent_path() / TemporaryNamePrefix(file_name, ThisWriter())).string() + "XXXXXX";
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) RaiseErrno(errno, FileOp::OpenWrite, place.target);
  } else {
    path_ = place.temporary.string();
    fd_ = OpenNoFollow(path_, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  if (::fchmod(fd_, GiveGroup(fd_, mode, group, secret)) != 0) {
    const int err = errno;
    ::close(std::exchange(fd_, -1));
    ::unlink(path_.c_str());
    Fail(err);
  }
}

Temporary::~Temporary() {
  if (fd_ >= 0) ::close(fd_);
  if (!placed_) ::unlink(path_.c_str());
}

void Temporary::Write(const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, bytes, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    bytes += n;
    size -= static_cast<size_t>(n);
  }
}

void Temporary::CopyFrom(int in, off_t size, const fs::path& source) {
  bool read_failed = false;
  if (CopyRest(in, fd_, size, read_failed)) return;
  if (read_failed) RaiseErrno(errno, FileOp::Copy, source);
  Fail(errno);
}

void Temporary::TakePlace() {
  if (!SyncToDisk(fd_)) Fail(errno);
  if (::close(std::exchange(fd_, -1)) != 0) Fail(errno);
  if (::rename(path_.c_str(), place_.target.c_str()) != 0) Fail(errno);
  placed_ = true;
  Settle(place_.target);
}

// The file a copy is made from, open for reading.
class Source {
 public:
  explicit Source(std::string_view path);
  ~Source() { ::close(fd_); }
  Source(const Source&) = delete;
  Source& operator=(const Source&) = delete;

  bool IsProgram() const { return (st_.st_mode & 0111) != 0; }
  // Its bytes into `temporary`.
  void CopyInto(Temporary& temporary) const { temporary.CopyFrom(fd_, st_.st_size, path_); }

 private:
  fs::path path_;
  int fd_ = -1;
  struct stat st_ {};
};

Source::Source(std::string_view path) : path_(Resolve(path)) {
  fd_ = OpenFile(path_.string(), O_RDONLY, FileOp::OpenRead, 0, &st_);
}

}  // namespace

void CheckReplaceable(std::string_view target, const ReplaceRules& rules) {
  Examine(PlaceOf(target, rules.temporary_name), rules);
}

void ReplaceFile(std::string_view target, std::string_view contents, const ReplaceRules& rules) {
  const Place place = PlaceOf(target, rules.temporary_name);
  const std::optional<OldFile> old = Examine(place, rules);
  Temporary temporary(place, NewMode(rules, old, false), NewGroup(rules, old), IsSecret(rules));
  temporary.Write(contents.data(), contents.size());
  temporary.TakePlace();
}

void ReplaceWithCopy(std::string_view source, std::string_view target, const ReplaceRules& rules) {
  Source from(source);
  const Place place = PlaceOf(target, rules.temporary_name);
  const std::optional<OldFile> old = Examine(place, rules);
  Temporary temporary(place, NewMode(rules, old, from.IsProgram()), NewGroup(rules, old), IsSecret(rules));
  from.CopyInto(temporary);
  temporary.TakePlace();
}

void PutInPlace(std::string_view target, const ReplaceRules& rules) {
  const Place place = PlaceOf(target, rules.temporary_name);
  const std::optional<OldFile> old = Examine(place, rules);
  const mode_t mode = NewMode(rules, old, false);
  // A file that another user left keeps its mode: only its owner may change it.
  const int fd = ::open(place.temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    Raise(70, place.temporary.string() + ": not a file");
  }
  if (fd >= 0) {
    // The old file's mode means the same only with its group.
    ::fchmod(fd, GiveGroup(fd, mode, NewGroup(rules, old), IsSecret(rules)));
    const bool synced = SyncToDisk(fd);
    const int sync_error = errno;
    ::close(fd);
    if (!synced) RaiseErrno(sync_error, FileOp::Write, place.temporary);
  }
  if (::rename(place.temporary.c_str(), place.target.c_str()) != 0) {
    RaiseErrno(errno, FileOp::Rename, place.temporary);
  }
  Settle(place.target);
}

void RemoveFile(std::string_view target) {
  const fs::path native = Resolve(target);
  if (::unlink(native.c_str()) != 0) {
    if (errno == ENOENT) return;
    RaiseErrno(errno, FileOp::Remove, native);
  }
  NoteRemoved(native.string());
  if (!SyncFolderOf(native)) RaiseErrno(errno, FileOp::Remove, native);
}

void PutBackIfMissing(std::string_view target, const std::string& temporary_name) {
  const Place place = PlaceOf(target, temporary_name);
  struct stat st {};
  if (::lstat(place.target.c_str(), &st) == 0 || errno != ENOENT) return;
  if (::lstat(place.temporary.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) return;
  if (::rename(place.temporary.c_str(), place.target.c_str()) != 0) {
    RaiseErrno(errno, FileOp::Rename, place.target);
  }
  Settle(place.target);
}

}  // namespace vb
