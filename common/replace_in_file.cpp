#include "common/replace_in_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace common {

std::string ReplaceInText(std::string_view bytes, const std::string& marker,
                          const std::string& text, int marker_length) {
  const size_t cut = marker_length > 0 ? static_cast<size_t>(marker_length) : 0;
  std::string out;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = std::min(bytes.find('\r', pos), bytes.size());
    std::string line(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size()) {  // a CR ends the line, with the LF that follows it
      ++pos;
      if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    const size_t found = line.find(marker);
    if (found != std::string::npos) {
      const size_t rest = found + cut;
      line = line.substr(0, found) + text + (rest < line.size() ? line.substr(rest) : "");
    }
    out += line;
    out += "\r\n";
  }
  return out;
}

void ReplaceInFile(const std::string& folder, const std::string& file_name,
                   const std::string& marker, const std::string& text, int marker_length) {
  const std::string page = folder + file_name;
  const std::string temp = folder + "temp.htm";
  const std::string rewritten = ReplaceInText(vb::ReadFileBytes(page), marker, text, marker_length);
  vb::LineWriter out(temp);
  const auto temp_native = vb::Resolve(temp);
  try {
    out.Write(rewritten);
    out.Close();
  } catch (const vb::Error&) {
    // The page keeps its text, and no half-written copy is left beside it.
    std::error_code ec;
    std::filesystem::remove(temp_native, ec);
    throw;
  }
  // The new text takes the page's place in one step, so the page is never missing.
  const auto page_native = vb::Resolve(page);
  if (std::rename(temp_native.c_str(), page_native.c_str()) != 0) {
    vb::RaiseErrno(errno, vb::FileOp::Rename, page_native);
  }
}

}  // namespace common
