// Cuts a command line into blank-separated parameters and switches and hands
// each to a derived class; plus the sorter's small helpers.
#pragma once

#include <cstdint>
#include <string>

#include "sortlib/xr_errors.h"

namespace xrsort {

class TXRCmdParser {
 public:
  virtual ~TXRCmdParser() = default;

  // One switch ("/X=value" or "/Xvalue"), its name upper-cased.
  virtual void DoSwitch(const std::string& name, const std::string& value);
  // One parameter, as typed.
  virtual void DoParam(const std::string& param);
  // Calls DoSwitch or DoParam for every token, in order.
  virtual void Parse(const std::string& command_line);

  // Takes the next token off `rest`: bytes 0..32 are trimmed from both ends,
  // and only a blank (32) separates. "" when `rest` is used up.
  static std::string NextToken(std::string& rest);
  // Tells a switch ("-x" or "/x", two characters at least) from a parameter
  // and splits a switch into its name (a..z upper-cased) and value (at most
  // 255 characters). Returns whether `token` is a switch.
  static bool SplitArgument(const std::string& token, std::string& name, std::string& value);
};

// Bytes of physical memory available now, at most 4294967295.
uint32_t GetAvailPhysMemory();

// True when `name` is one character; `letter` is then that character
// (upper-cased from a..z when `upper` is set), else 0.
bool GetSwitchLetter(const std::string& name, bool upper, char& letter);

std::string IncludeBackslash(const std::string& path);
std::string ExcludeBackslash(const std::string& path);

// The command-line path names an existing folder; false for "".
bool DirExists(const std::string& path);

// Blanks and control characters (0..32).
inline bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace xrsort
