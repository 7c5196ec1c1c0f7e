#include "sortlib/xr_sort_parser.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/text.h"
#include "sortlib/xr_paths.h"

namespace xrsort {

namespace {

constexpr uint32_t kSmallestBudget = 102400;
constexpr uint32_t kLargestDefault = 1048576;

// The value of a hex digit, -1 for any other character.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool StrToInt64(const std::string& text, int64_t& result) {
  // Far beyond any count the sorter can use, and far from overflowing.
  constexpr int64_t kLargest = int64_t{1} << 40;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i++] == '-';
  }
  if (i == text.size()) return false;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0 || digit >= base) return false;
    value = std::min(value * base + digit, kLargest);
  }
  result = negative ? -value : value;
  return true;
}

bool StrToInt(const std::string& text, int32_t& result) {
  int64_t value;
  if (!StrToInt64(text, value) || value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  result = static_cast<int32_t>(value);
  return true;
}

void TXRSortParser::Parse(const std::string& command_line) {
  InputFile.clear();
  OutputFile.clear();
  DuplicatesFile.clear();
  TempPath.clear();
  SkipBlankLines = false;
  RemoveDuplicates = false;
  Quiet = false;
  HeaderLines = 0;
  RecordLength = 0;
  MergeWidth = 5;
  MemoryLimit = (AvailPhysMemory() / 100) * 10;
  if (MemoryLimit < kSmallestBudget) MemoryLimit = kSmallestBudget;
  if (MemoryLimit > kLargestDefault) MemoryLimit = kLargestDefault;
  Keys.clear();
  TXRCmdParser::Parse(command_line);
  if (InputFile.empty()) RaiseError("No input file indicated");
  if (OutputFile.empty()) RaiseError("No output file indicated");
}

void TXRSortParser::DoParam(const std::string& param) {
  if (InputFile.empty()) {
    InputFile = param;
  } else if (OutputFile.empty()) {
    OutputFile = param;
  }
}

void TXRSortParser::DoSwitch(const std::string& name, const std::string& value) {
  char letter;
  if (!GetSwitchLetter(name, true, letter)) RaiseError("Invalid argument " + name);
  switch (letter) {
    case 'B':
      SkipBlankLines = true;
      break;
    case 'D':
      RemoveDuplicates = true;
      if (!value.empty()) DuplicatesFile = value;
      break;
    case 'F':
      if (!StrToInt(value, RecordLength)) RaiseError("Invalid record length /F=");
      break;
    case 'H':
      if (!StrToInt(value, HeaderLines)) RaiseError("Invalid header line count /H=");
      break;
    case 'M':
      SetMemoryLimit(value);
      break;
    case 'Q':
      Quiet = true;
      break;
    case 'T':
      SetTempPath(value);
      break;
    case 'W': {
      int32_t width;
      if (!StrToInt(value, width) || width < 2 || width > 5) {
        RaiseError("Invalid n-way-merge value /W=");
      }
      MergeWidth = width;
      break;
    }
    default:
      AddKeySpec(letter, value);
  }
}

void TXRSortParser::SetMemoryLimit(const std::string& value) {
  static const char* const kInvalid = "Invalid memory usage value /M=";
  const std::string upper = vb::UCaseAscii(value);
  int64_t n;
  uint64_t bytes;
  if (!upper.empty() && upper.back() == 'P') {
    if (!StrToInt64(upper.substr(0, upper.size() - 1), n) || n < 1 || n > 100) RaiseError(kInvalid);
    bytes = uint64_t{AvailPhysMemory() / 100} * static_cast<uint64_t>(n);
  } else {
    // A count whose bytes do not fit 32 bits gets the largest budget.
    if (!StrToInt64(upper, n) || n < 0) RaiseError(kInvalid);
    bytes = static_cast<uint64_t>(n) * 1024;
  }
  bytes = std::clamp<uint64_t>(bytes, kSmallestBudget, std::numeric_limits<uint32_t>::max());
  MemoryLimit = static_cast<uint32_t>(bytes);
}

void TXRSortParser::SetTempPath(const std::string& value) {
  if (vb::UCaseAscii(value) == "TMP") {
    if (auto folder = SystemTempFolder()) TempPath = *folder;
    if (TempPath.empty()) RaiseError("Can't determine Windows temporary file path");
  } else {
    TempPath = IncludeBackslash(value);
  }
  if (!DirExists(TempPath)) RaiseError("Temporary file path " + TempPath + " does not exist");
}

void TXRSortParser::AddKeySpec(char letter, const std::string& value) {
  const std::string arg(1, letter);
  if (value.empty()) RaiseError("Invalid column specification for argument " + arg);
  TSortFieldSpec spec;
  if (letter == 'C') {
    spec.IgnoreCase = true;
  } else if (letter == 'N') {
    spec.Numeric = true;
  } else if (letter != 'S') {
    RaiseError("Invalid argument " + arg);
  }
  std::string text = value;
  spec.Ascending = true;
  if (text.back() == '-') {
    spec.Ascending = false;
    text.pop_back();
  }
  const size_t comma = text.find(',');
  if (comma == std::string::npos) RaiseError("Invalid column specification for argument " + arg);
  // A column before the first would take bytes from outside the line.
  if (!StrToInt(text.substr(0, comma), spec.FromColumn) || spec.FromColumn < 1) {
    RaiseError("Invalid \"from column\" specification for argument " + arg);
  }
  if (!StrToInt(text.substr(comma + 1), spec.KeyLength)) {
    RaiseError("Invalid \"length\" specification for argument " + arg);
  }
  if (spec.Numeric && spec.KeyLength == 0) {
    RaiseError("length = 0 (i.e. until eol) invalid for numeric key");
  }
  Keys.push_back(spec);
}

}  // namespace xrsort
