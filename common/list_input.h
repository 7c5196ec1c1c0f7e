// Quote-aware list input: values separated by commas and line ends, a value
// in double quotes may hold commas; the reading side of the suite's settings
// and list files.
#pragma once

#include <string>
#include <string_view>

namespace common {

class ListInput {
 public:
  // With `skip_blank_lines`, lines that are empty or hold only blanks give
  // no value (the student list and group files); otherwise such a line is one
  // empty value.
  ListInput(std::string bytes, bool skip_blank_lines);

  // Reads a whole file (run-time errors 53, 76 ... as the file layer raises them).
  static ListInput FromFile(std::string_view path, bool skip_blank_lines);

  bool Eof();
  // The next value, its quotes removed; past the end raises 62.
  std::string NextValue();

 private:
  void SkipBlankLines();
  void SkipLineEnd();

  std::string data_;
  size_t pos_ = 0;
  bool skip_blank_lines_;
  bool at_line_start_ = true;
};

// The text of a hand-made file in windows-1252: a file that an editor or a
// spreadsheet saved as UTF-8 (a byte order mark, or valid UTF-8 holding
// non-ASCII bytes) is converted; any other file is taken as it is.
std::string FileText1252(std::string bytes);

}  // namespace common
