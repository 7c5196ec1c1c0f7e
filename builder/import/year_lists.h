// The fifteen files the import writes into the program folder: one list per
// year level of the students filed there, and errorlog.txt of faulty rows.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "builder/import/enrolment_row.h"
#include "platform/files.h"
#include "site/progress_window.h"

namespace builder {

// The import's log of faulty rows, beside the year lists.
inline constexpr std::string_view kErrorLogFile = "errorlog.txt";

// Deletes the fifteen files from `folder` (ends in a separator) and nothing
// else there: the program folder may hold a school's own text files. A file
// that is not there is passed over; any other error is raised at once.
void DeleteYearLists(const std::string& folder);

class YearLists {
 public:
  // Creates the fourteen lists in the order of YearLevelTable, then
  // errorlog.txt, all empty; `folder` ends in a separator.
  explicit YearLists(const std::string& folder);

  // Appends one line to errorlog.txt.
  void Log(std::string_view line);

  // Logs a row without a year, without a class or with too many commas;
  // otherwise shows the student in `progress` and appends the row to the list
  // of its year code. A code of no level drops the row without a trace.
  void FileStudentByYear(const EnrolmentRow& row, site::ProgressWindow& progress);

  // After the last row: when anything was logged, the blank line and the
  // advice line follow. True when anything was logged.
  bool FinishLog();

  // Closes every file; a failure to write the rest out raises its error.
  void Close();

  // Per year level, whether a student was filed into its list.
  const std::array<bool, 14>& Filed() const { return filed_; }

 private:
  std::array<std::unique_ptr<vb::LineWriter>, 14> lists_;
  std::unique_ptr<vb::LineWriter> log_;
  std::array<bool, 14> filed_{};
  int logged_ = 0;
};

}  // namespace builder
