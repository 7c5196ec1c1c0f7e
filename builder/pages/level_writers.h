// The page writers inside one year level: the class-list page, the class
// page with its student records and folders, the teacher's news page, and a
// student's home page and topic pages. Each writes into the current folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "builder/pages/year_list.h"
#include "site/build_run.h"

namespace builder {

// The tables of the level being built.
struct YearLevel {
  std::vector<LevelRow> rows;
  std::vector<LevelClass> classes;
  std::vector<std::string> row_student_folders;  // by row; filled per class
};

// The level folder's index.htm: one link per class.
void WriteClassListPage(site::BuildRun& run, const YearLevel& level);

// For class `class_index` (0-based): its master record, its masterstudent
// folder, its index.htm with one cell per student, and for every student the
// folder name (with a number appended when another student of the class has
// it), the record and the folder.
void WriteClassPage(site::BuildRun& run, YearLevel& level, int class_index);

// teacher.htm, the same for every class.
void TeachersNews(site::BuildRun& run);

// The student's (or, with MasterFlag 0, the master's) index.htm.
void WriteK6HomePage(site::BuildRun& run);
// The same page under another name or path, as the theme folders' samples.
void WriteK6HomePage(site::BuildRun& run, std::string_view file_name);

// topic<t>.htm of the student or master.
void WriteTopicPage(site::BuildRun& run, int topic_index);

}  // namespace builder
