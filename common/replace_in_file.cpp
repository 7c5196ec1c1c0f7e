#include "common/replace_in_file.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/replace_file.h"

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
  const std::string rewritten = ReplaceInText(vb::ReadFileBytes(page), marker, text, marker_length);
  // The new text takes the page's place whole, with the mode of the page it
  // replaces and its group where this account belongs to it; a link or a
  // read-only file in its place is replaced. The temporary file's name is the
  // writer's own, so no file of the school's is taken for it.
  vb::ReplaceRules rules;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  vb::ReplaceFile(page, rewritten, rules);
}

}  // namespace common
