// File operations on Windows-form paths, raising vb::Error with the
// run-time error numbers the programs' handlers test.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct stat;

namespace vb {

struct ReplaceRules;

// One level; an existing folder raises 75, a missing parent 76.
void MkDir(std::string_view path);
// Deletes a file, or every file matching the wildcards (* ?) of the last name,
// compared without regard to case. No match raises 53.
void Kill(std::string_view path_or_pattern);
// Renames; an existing target raises 58.
void Name(std::string_view from, std::string_view to);
// Copies one file, replacing the target.
void FileCopy(std::string_view from, std::string_view to);
// A file read once, to be copied to many places as FileCopy copies it: a
// caller that copies one file again and again holds it.
class HeldFile {
 public:
  // Reads `path`; what FileCopy raises for its source is raised here.
  explicit HeldFile(std::string_view path);
  // FileCopy from the held file to `to`.
  void CopyTo(std::string_view to) const;

 private:
  std::string native_;
  std::shared_ptr<const struct stat> status_;
  std::string bytes_;
};

// Copies the sub-folders of `from` (recursively, merging) and then its files
// into the existing folder `to`, replacing files; links are not followed. An
// existing file is emptied and written again; with `rules`, each file takes
// its target's place whole instead, as ReplaceWithCopy does under them.
void CopyFolderContents(std::string_view from, std::string_view to);
void CopyFolderContents(std::string_view from, std::string_view to, const ReplaceRules& rules);

bool FileExists(std::string_view path);
bool FolderExists(std::string_view path);
// A regular file that may not be written: no one has write permission (the
// Windows read-only attribute) or this user has none. Missing files are not.
bool IsReadOnlyFile(std::string_view path);
// Length in bytes; a missing file raises 53.
std::int64_t FileLen(std::string_view path);

struct FolderEntry {
  std::string name;  // windows-1252
  bool is_folder;
};
// The entries of a folder, hidden (dot) entries left out, sorted by name.
std::vector<FolderEntry> ListFolder(std::string_view path);

// Reads a text file line by line. A line ends at CR LF or CR; a lone LF ends
// a line only when `lf_ends_line` is set. Missing file: 53 (76 for its folder).
// A file is read through a buffer of fixed size, so a large one takes no more
// memory than a small one; a read that fails raises its error at the line.
class LineReader {
 public:
  explicit LineReader(std::string_view path, bool lf_ends_line = false);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool Eof();
  // The next line without its end; reading past the end raises 62.
  std::string LineInput();
  // The length of the file as it was opened.
  std::int64_t Lof() const { return length_; }

 private:
  // Refills the buffer once all of it has been taken; false at the end.
  bool Fill();

  int fd_ = -1;
  std::string native_;
  std::int64_t length_ = 0;
  std::string buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool lf_ends_line_;
};

// Writes a text file; Print ends every line with CR LF. Output truncates or
// creates; Append adds at the end. The bytes are gathered and written in
// blocks of 64 KiB, a smaller file in one write at Close, where the errors
// of that last write surface; a text of a block or more goes to the file at
// once, after what waits, without a copy.
class LineWriter {
 public:
  enum Mode { Output, Append };
  LineWriter(std::string_view path, Mode mode = Output);
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Print(std::string_view line);
  // Print of `line` after `blanks` blanks.
  void Print(size_t blanks, std::string_view line) { Print(blanks, {line}); }
  // Print of the pieces one after another, after `blanks` blanks.
  void Print(size_t blanks, std::initializer_list<std::string_view> pieces);
  void Write(std::string_view bytes);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

 private:
  void Flush();
  void WriteThrough(std::string_view bytes);

  int fd_ = -1;
  std::string buffer_;
  std::string native_;
};

// Reads a whole file as bytes.
std::string ReadFileBytes(std::string_view path);

}  // namespace vb
