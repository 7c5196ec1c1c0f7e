// The sort command line: input and output files, switches and key
// specifications, with every default, bound and refusal message.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sortlib/xr_parse.h"

namespace xrsort {

// One sort key: columns FromColumn (1-based) for KeyLength characters
// (0 = to the end of the line).
struct TSortFieldSpec {
  std::string Work;  // the part of the key last built for this spec
  int32_t FromColumn = 0;
  int32_t KeyLength = 0;
  bool Ascending = true;
  bool Numeric = false;
  bool IgnoreCase = false;
};

// The keys in command-line order, the first the most significant.
using TSortSpecs = std::vector<TSortFieldSpec>;

class TXRSortParser : public TXRCmdParser {
 public:
  void DoSwitch(const std::string& name, const std::string& value) override;
  void DoParam(const std::string& param) override;
  // Sets every default, handles every argument, then requires both files.
  void Parse(const std::string& command_line) override;

  std::string InputFile;
  std::string OutputFile;
  std::string DuplicatesFile;
  std::string TempPath;  // "" (the current folder) or ending in a separator
  TSortSpecs Keys;
  bool SkipBlankLines = false;
  bool RemoveDuplicates = false;
  int32_t HeaderLines = 0;
  int32_t RecordLength = 0;
  bool Quiet = false;
  int32_t MergeWidth = 5;
  uint32_t MemoryLimit = 0;

  // The memory query; tests replace it.
  std::function<uint32_t()> AvailPhysMemory = GetAvailPhysMemory;

 private:
  void AddKeySpec(char letter, const std::string& value);
  void SetMemoryLimit(const std::string& value);
  void SetTempPath(const std::string& value);
};

// A whole number as the command line writes it: blanks, an optional sign and
// decimal digits, or "$"/"0x" and hex digits. False when `text` is anything
// else. StrToInt64 takes any length of digits, holding a huge value at 2^40;
// StrToInt also requires that the number fits 32 bits.
bool StrToInt64(const std::string& text, int64_t& result);
bool StrToInt(const std::string& text, int32_t& result);

}  // namespace xrsort
