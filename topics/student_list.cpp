#include "topics/student_list.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "common/list_input.h"

namespace topics {

namespace {

void AddDistinct(std::vector<std::string>& list, const std::string& value, size_t bound) {
  if (std::find(list.begin(), list.end(), value) != list.end()) return;
  if (list.size() >= bound) vb::Raise(9, "subscript out of range");
  list.push_back(value);
}

}  // namespace

std::vector<StudentRecord> LoadStudentList(std::string_view path, bool group_file) {
  std::string bytes = vb::ReadFileBytes(path);
  if (group_file) bytes = common::FileText1252(std::move(bytes));
  common::ListInput in(std::move(bytes), true);
  std::vector<StudentRecord> records;
  while (!in.Eof()) {
    if (records.size() >= static_cast<size_t>(kMaxStudentRecords)) {
      vb::Raise(9, "subscript out of range");
    }
    StudentRecord r;
    r.display_name = vb::Trim(in.NextValue());
    r.student_folder = vb::Trim(in.NextValue());
    r.class_folder = vb::Trim(in.NextValue());
    r.level_folder = vb::Trim(in.NextValue());
    records.push_back(std::move(r));
  }
  return records;
}

DistinctLists CollectDistinct(const std::vector<StudentRecord>& records) {
  DistinctLists lists;
  for (const StudentRecord& r : records) {
    AddDistinct(lists.levels, r.level_folder, kMaxDistinctLevels);
    AddDistinct(lists.classes, r.class_folder, kMaxDistinctClasses);
  }
  return lists;
}

}  // namespace topics
