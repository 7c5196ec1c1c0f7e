#include "builder/import/year_lists.h"

#include "builder/core/tables.h"
#include "platform/vb_error.h"

namespace builder {

namespace {

void DeleteIfThere(const std::string& file) {
  try {
    vb::Kill(file);
  } catch (const vb::Error& error) {
    if (error.number() != 53) throw;
  }
}

}  // namespace

void DeleteYearLists(const std::string& folder) {
  for (const YearLevelRow& level : YearLevelTable) DeleteIfThere(folder + std::string(level.list_file));
  DeleteIfThere(folder + std::string(kErrorLogFile));
}

YearLists::YearLists(const std::string& folder) {
  for (size_t level = 0; level < lists_.size(); ++level) {
    const std::string name(YearLevelTable[level].list_file);
    lists_[level] = std::make_unique<vb::LineWriter>(folder + name);
  }
  log_ = std::make_unique<vb::LineWriter>(folder + std::string(kErrorLogFile));
}

void YearLists::Log(std::string_view line) {
  log_->Print(line);
  ++logged_;
}

void YearLists::FileStudentByYear(const EnrolmentRow& row, site::ProgressWindow& progress) {
  // Made only for the log: a name may be megabytes long.
  auto student = [&row] { return row.Surname + " " + row.PreferredName; };
  if (row.NoYear) {
    Log("In your school admin system, " + student() + " does not have a Scholastic Year entered.");
  } else if (row.NoRollClass) {
    Log("In your school admin system, " + student() + " does not have a Roll Class entered.");
  } else if (row.TooManyCommas) {
    Log("In your school.csv file, " + student() +
        " has too many comma delimiters.  Commas are not allowed in names.");
  } else {
    progress.SetLabel3(row.PreferredName + " " + row.Surname);
    progress.Repaint();
    const int level = YearLevelOfCode(row.YearCode);
    if (level < 0) return;
    // Written in its parts, never copied whole.
    vb::LineWriter& list = *lists_[level];
    list.Write(row.Surname);
    list.Write(",");
    list.Write(row.PreferredName);
    list.Write(",");
    list.Print(row.RollClass);
    filed_[level] = true;
  }
}

bool YearLists::FinishLog() {
  if (logged_ == 0) return false;
  log_->Print(" ");
  log_->Print(
      "If you continue, Orvane pages will not be made for these students. Otherwise, exit "
      "Orvanesetup, correct these errors in your SCHOOL file, then re-run OrvaneSetup.");
  return true;
}

void YearLists::Close() {
  for (auto& list : lists_) list->Close();
  log_->Close();
}

}  // namespace builder
