// The site and category lists ("sites.txt", "category.txt") in the task
// tools' folder, one entry a line, that fill their Location and Problem With
// boxes. No program of the suite writes them.
#pragma once

#include <string>
#include <vector>

namespace tasks {

// The entries in file order: lines of blanks are skipped; a site loses its
// leading and trailing blanks, a category only its trailing ones; an entry
// is then kept to its first 200 characters. Lines may end in CR LF, LF or
// CR; a file saved as UTF-8 is read as windows-1252.
// A missing file raises 53.
std::vector<std::string> ReadSiteList(const std::string& tool_folder);
std::vector<std::string> ReadCategoryList(const std::string& tool_folder);

}  // namespace tasks
