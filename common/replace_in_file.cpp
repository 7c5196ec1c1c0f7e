#include "common/replace_in_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/vb_error.h"

namespace common {

void ReplaceInFile(const std::string& folder, const std::string& file_name,
                   const std::string& marker, const std::string& text, int marker_length) {
  const std::string page = folder + file_name;
  const std::string temp = folder + "temp.htm";
  vb::LineReader in(page);
  vb::LineWriter out(temp);
  const auto temp_native = vb::Resolve(temp);
  const size_t cut = marker_length > 0 ? static_cast<size_t>(marker_length) : 0;
  try {
    while (!in.Eof()) {
      std::string line = in.LineInput();
      const size_t found = line.find(marker);
      if (found != std::string::npos) {
        const size_t rest = found + cut;
        line = line.substr(0, found) + text + (rest < line.size() ? line.substr(rest) : "");
      }
      out.Print(line);
    }
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
