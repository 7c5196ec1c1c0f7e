// The student list: records of ovshrtct.dat and custom group files, read
// four values at a time, and the distinct year levels and classes in them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace topics {

// What the builder can write: 14 levels of 500 students and a master record
// for each of up to 100 classes; a class name may recur in every level.
inline constexpr int kMaxStudentRecords = 8400;
inline constexpr int kMaxDistinctLevels = 100;
inline constexpr int kMaxDistinctClasses = 1400;

// One line of the list; every field is stored trimmed.
struct StudentRecord {
  std::string display_name;
  std::string student_folder;
  std::string class_folder;
  std::string level_folder;
};

// Reads ovshrtct.dat (`group_file` false, windows-1252) or a custom group
// file (`group_file` true, UTF-8 saves converted). Blank lines give no value;
// a short line takes its missing values from the next. Raises 53/76 for a
// missing file, 62 for a record cut short by the end, 9 past the bound.
std::vector<StudentRecord> LoadStudentList(std::string_view path, bool group_file);

// Distinct levels and classes in first-seen order, compared exactly.
struct DistinctLists {
  std::vector<std::string> levels;
  std::vector<std::string> classes;
};
// Raises 9 past the bounds.
DistinctLists CollectDistinct(const std::vector<StudentRecord>& records);

}  // namespace topics
