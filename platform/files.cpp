#include "platform/files.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

void RaiseFrom(const std::error_code& ec, FileOp op, const fs::path& path) {
  RaiseErrno(ec.value(), op, path);
}

// A copy of a program stays runnable: the target may be run wherever it may be read.
void KeepRunnable(int out) {
  struct stat st {};
  if (::fstat(out, &st) == 0) ::fchmod(out, (st.st_mode & 07777) | ((st.st_mode & 0444) >> 2));
}

// Copies one regular file by bytes; the target gets ordinary permissions,
// and those of a program when the source is one. A link at the target is
// replaced, never written through.
void CopyFileBytes(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(to, ec))) fs::remove(to, ec);
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) RaiseErrno(errno, FileOp::OpenRead, from);
  struct stat st {};
  if (::fstat(in, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(in);
    Raise(75, from.string() + ": is a folder");
  }
  // Opening the target would empty the source when both are one file.
  struct stat target {};
  if (::stat(to.c_str(), &target) == 0 && target.st_dev == st.st_dev && target.st_ino == st.st_ino) {
    ::close(in);
    Raise(70, to.string() + ": is the file being copied");
  }
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (out < 0) {
    const int err = errno;
    ::close(in);
    RaiseErrno(err == ELOOP ? EACCES : err, FileOp::OpenWrite, to);
  }
  if ((st.st_mode & 0111) != 0) KeepRunnable(out);
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      const int err = errno;
      ::close(in);
      ::close(out);
      RaiseErrno(err, FileOp::Copy, from);
    }
    ssize_t done = 0;
    while (done < n) {
      const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0) {
        const int err = errno;
        ::close(in);
        ::close(out);
        RaiseErrno(err, FileOp::Write, to);
      }
      done += w;
    }
  }
  ::close(in);
  if (::close(out) != 0) RaiseErrno(errno, FileOp::Write, to);
}

void CopyTree(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  std::vector<fs::path> folders, files;
  for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status st = it->symlink_status(ec);
    if (fs::is_directory(st)) folders.push_back(it->path());
    else if (fs::is_regular_file(st)) files.push_back(it->path());
  }
  if (ec) RaiseFrom(ec, FileOp::Query, from);
  for (const fs::path& folder : folders) {
    const fs::path target = to / folder.filename();
    if (fs::is_symlink(fs::symlink_status(target, ec))) fs::remove(target, ec);
    if (!fs::is_directory(target, ec) && ::mkdir(target.c_str(), 0777) != 0) {
      RaiseErrno(errno, FileOp::MkDir, target);
    }
    CopyTree(folder, target);
  }
  for (const fs::path& file : files) CopyFileBytes(file, to / file.filename());
}

}  // namespace

void MkDir(std::string_view path) {
  const fs::path native = Resolve(path);
  if (::mkdir(native.c_str(), 0777) != 0) RaiseErrno(errno, FileOp::MkDir, native);
}

void Kill(std::string_view path_or_pattern) {
  const fs::path native = Resolve(path_or_pattern);
  const std::string pattern = native.filename().string();
  if (pattern.find_first_of("*?") == std::string::npos) {
    std::error_code ec;
    if (fs::is_directory(native, ec)) Raise(53, native.string() + ": not a file");
    if (::unlink(native.c_str()) != 0) RaiseErrno(errno, FileOp::Remove, native);
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
    ++removed;
  }
  if (removed == 0) Raise(53, native.string() + ": no file matches");
}

void Name(std::string_view from, std::string_view to) {
  const fs::path source = Resolve(from);
  const fs::path target = Resolve(to);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(source, ec))) RaiseErrno(ENOENT, FileOp::Rename, source);
  if (fs::exists(fs::symlink_status(target, ec))) Raise(58, target.string() + ": file already exists");
  if (::rename(source.c_str(), target.c_str()) != 0) RaiseErrno(errno, FileOp::Rename, target);
}

void FileCopy(std::string_view from, std::string_view to) {
  CopyFileBytes(Resolve(from), Resolve(to));
}

void CopyFolderContents(std::string_view from, std::string_view to) {
  const fs::path source = Resolve(from);
  const fs::path target = Resolve(to);
  std::error_code ec;
  if (!fs::is_directory(source, ec)) Raise(76, source.string() + ": path not found");
  if (!fs::is_directory(target, ec)) Raise(76, target.string() + ": path not found");
  CopyTree(source, target);
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return fs::is_regular_file(Resolve(path), ec);
}

bool FolderExists(std::string_view path) {
  std::error_code ec;
  return fs::is_directory(Resolve(path), ec);
}

bool IsReadOnlyFile(std::string_view path) {
  const fs::path native = Resolve(path);
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & 0222) == 0 || ::access(native.c_str(), W_OK) != 0;
}

std::int64_t FileLen(std::string_view path) {
  const fs::path native = Resolve(path);
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) RaiseErrno(errno, FileOp::Query, native);
  return static_cast<std::int64_t>(st.st_size);
}

std::vector<FolderEntry> ListFolder(std::string_view path) {
  const fs::path native = Resolve(path);
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
}

std::string ReadFileBytes(std::string_view path) {
  const fs::path native = Resolve(path);
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) RaiseErrno(errno, FileOp::OpenRead, native);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    Raise(75, native.string() + ": is a folder");
  }
  std::string data;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      RaiseErrno(err, FileOp::OpenRead, native);
    }
    data.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return data;
}

LineReader::LineReader(std::string_view path, bool lf_ends_line)
    : data_(ReadFileBytes(path)), lf_ends_line_(lf_ends_line) {}

std::string LineReader::LineInput() {
  if (Eof()) Raise(62, "input past end of file");
  size_t end = pos_;
  while (end < data_.size() && data_[end] != '\r' && !(lf_ends_line_ && data_[end] == '\n')) ++end;
  std::string line = data_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < data_.size()) {
    if (data_[pos_] == '\r') {
      ++pos_;
      if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    } else {
      ++pos_;  // a lone LF
    }
  }
  return line;
}

LineWriter::LineWriter(std::string_view path, Mode mode) {
  const fs::path native = Resolve(path);
  native_ = native.string();
  std::error_code ec;
  if (fs::is_directory(native, ec)) Raise(70, native_ + ": is a folder");
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | (mode == Append ? O_APPEND : O_TRUNC);
  const int fd = ::open(native.c_str(), flags, 0666);
  if (fd < 0) RaiseErrno(errno == ELOOP ? EACCES : errno, FileOp::OpenWrite, native);
  file_ = ::fdopen(fd, mode == Append ? "ab" : "wb");
  if (file_ == nullptr) {
    const int err = errno;
    ::close(fd);
    RaiseErrno(err, FileOp::OpenWrite, native);
  }
}

LineWriter::~LineWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void LineWriter::Write(std::string_view bytes) {
  if (file_ == nullptr) Raise(52, "bad file name or number");
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    RaiseErrno(errno, FileOp::Write, native_);
  }
}

void LineWriter::Print(std::string_view line) {
  Write(line);
  Write("\r\n");
}

void LineWriter::Close() {
  if (file_ == nullptr) return;
  std::FILE* file = file_;
  file_ = nullptr;
  const bool flushed = std::fflush(file) == 0;
  const int err = errno;
  const bool closed = std::fclose(file) == 0;
  if (!flushed) RaiseErrno(err, FileOp::Write, native_);
  if (!closed) RaiseErrno(errno, FileOp::Write, native_);
}

}  // namespace vb
