#include "sortlib/xr_parse.h"

#include <sys/stat.h>

#include <fstream>
#include <limits>

#include "platform/text.h"
#include "sortlib/xr_paths.h"

namespace xrsort {

void TXRCmdParser::DoSwitch(const std::string&, const std::string&) {}

void TXRCmdParser::DoParam(const std::string&) {}

void TXRCmdParser::Parse(const std::string& command_line) {
  std::string rest = command_line;
  for (;;) {
    const std::string token = NextToken(rest);
    if (token.empty()) break;
    std::string name, value;
    if (SplitArgument(token, name, value)) {
      DoSwitch(name, value);
    } else {
      DoParam(token);
    }
  }
}

std::string TXRCmdParser::NextToken(std::string& rest) {
  size_t begin = 0;
  size_t end = rest.size();
  while (begin < end && IsBlankByte(rest[begin])) ++begin;
  while (end > begin && IsBlankByte(rest[end - 1])) --end;
  const size_t blank = rest.find(' ', begin);
  std::string token;
  if (blank == std::string::npos || blank >= end) {
    token = rest.substr(begin, end - begin);
    rest.clear();
  } else {
    token = rest.substr(begin, blank - begin);
    rest = rest.substr(blank + 1, end - blank - 1);
  }
  return token;
}

bool TXRCmdParser::SplitArgument(const std::string& token, std::string& name,
                                 std::string& value) {
  const bool is_switch = token.size() >= 2 && (token[0] == '-' || token[0] == '/');
  if (!is_switch) {
    name = token;
    value.clear();
    return false;
  }
  const std::string upper = vb::UCaseAscii(token);
  const size_t eq = token.find('=');
  if (eq != std::string::npos) {
    name = upper.substr(1, eq - 1);
    value = token.substr(eq + 1, 255);
  } else {
    name = upper.substr(1, 1);
    value = token.substr(2, 255);
  }
  return true;
}

uint32_t GetAvailPhysMemory() {
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  uint64_t kib = 0;
  while (meminfo >> key >> kib) {
    if (key == "MemAvailable:") {
      const uint64_t bytes = kib * 1024;
      const uint64_t most = std::numeric_limits<uint32_t>::max();
      return static_cast<uint32_t>(bytes < most ? bytes : most);
    }
    meminfo.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return 0;
}

bool GetSwitchLetter(const std::string& name, bool upper, char& letter) {
  if (name.size() != 1) {
    letter = 0;
    return false;
  }
  letter = name[0];
  if (upper && letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
  return true;
}

std::string IncludeBackslash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

std::string ExcludeBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
  return path;
}

bool DirExists(const std::string& path) {
  if (path.empty()) return false;
  const std::string native = NativePath(ExcludeBackslash(path));
  struct stat st;
  return !native.empty() && ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace xrsort
