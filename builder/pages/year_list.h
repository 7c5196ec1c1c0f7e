// A year level's list of students as the build reads it: its rows, read with
// the list-input rules, and its distinct classes with their folder names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/build_settings.h"

namespace builder {

inline constexpr int kMaxLevelRows = 500;
inline constexpr int kMaxLevelClasses = 100;

struct LevelRow {
  std::string Surname;
  std::string PreferredName;
  std::string RollClass;
};

struct LevelClass {
  std::string ClassName;
  std::string ClassFolderName;
};

// Values are read three to a row from the text as a whole. A value ends at a
// comma or a line end; blanks and tabs before it are skipped; a value that
// starts with a double quote runs to the next one, and what stands between
// that closing quote and the next comma or line end is dropped. The end of
// the text is tested before each row only: an end inside a row raises 62, a
// 501st row raises 9. Every value comes back trimmed of blanks.
std::vector<LevelRow> ReadYearList(std::string_view text);

// The distinct roll classes in order of their first row, compared exactly;
// a 101st class raises 9. Each is named by FolderNaming, and a class whose
// names-based folder name comes out empty gets the generic "class" & index;
// a name that an earlier class of the level has gets a number appended.
std::vector<LevelClass> CollectClasses(const std::vector<LevelRow>& rows, site::FolderNaming naming);

}  // namespace builder
