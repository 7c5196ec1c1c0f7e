#include "tasks/task_lists.h"

#include "common/list_input.h"
#include "platform/files.h"
#include "platform/text.h"

namespace tasks {

namespace {

// An entry longer than this shows its first characters only: a box laid out
// for a line of millions of characters takes hundreds of megabytes.
constexpr long kLongestEntry = 200;

std::vector<std::string> ReadList(const std::string& path, bool keep_leading_blanks) {
  const std::string text = common::FileText1252(vb::ReadFileBytes(path));
  std::vector<std::string> entries;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = std::string_view(text).substr(start, end - start);
    if (!vb::Trim(line).empty()) {
      entries.push_back(vb::Left(keep_leading_blanks ? vb::RTrim(line) : vb::Trim(line), kLongestEntry));
    }
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return entries;
}

}  // namespace

std::vector<std::string> ReadSiteList(const std::string& tool_folder) {
  return ReadList(tool_folder + "sites.txt", false);
}

std::vector<std::string> ReadCategoryList(const std::string& tool_folder) {
  return ReadList(tool_folder + "category.txt", true);
}

}  // namespace tasks
