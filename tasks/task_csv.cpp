#include "tasks/task_csv.h"

#include "common/open_with.h"
#include "platform/replace_file.h"
#include "tasks/task_record.h"
#include "tasks/task_store.h"

namespace tasks {

namespace {

bool Selected(TaskSelection selection, char status) {
  switch (selection) {
    case TaskSelection::kAll: return status != kDeleted;
    case TaskSelection::kCompleteTasks: return status != kDeleted && status != kIncomplete;
    case TaskSelection::kIncompleteTasks: return status != kDeleted && status != kComplete;
  }
  return false;
}

std::string Quoted(std::string_view value) {
  std::string quoted = "\"";
  for (char c : value) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string Row(const TaskFields& task) {
  const std::string_view values[] = {task.date_text, task.submitted_by, task.site,
                                     task.category,  task.title,        task.ip_address,
                                     PriorityWord(task.priority),
                                     task.status == kIncomplete ? "NO" : "YES", task.body};
  std::string row;
  for (std::string_view value : values) row += (row.empty() ? "" : ",") + Quoted(value);
  return row + "\r\n";
}

}  // namespace

std::string_view CsvFileName(TaskSelection selection) {
  switch (selection) {
    case TaskSelection::kAll: return "ovalltasks.csv";
    case TaskSelection::kCompleteTasks: return "ovcomptasks.csv";
    case TaskSelection::kIncompleteTasks: return "ovincomptasks.csv";
  }
  return {};
}

std::string TaskCsv(const std::vector<std::string>& records, TaskSelection selection,
                    std::string_view report_date) {
  std::string csv =
      "Date,Submitted By,Site,Problem With,Specific Item,IP Address,Priority,Complete?,"
      "Description of Problem/Request\r\n\r\n";
  for (const std::string& record : records) {
    const TaskFields task = ReadTaskFields(record);
    if (Selected(selection, task.status)) csv += Row(task);
  }
  return csv + "\r\nReport: ,\"" + std::string(report_date) + "\"\r\n";
}

void ExportTasks(const std::string& tool_folder, const common::BulletinRecordFile& store,
                 TaskSelection selection, std::string_view report_date) {
  const std::string path = tool_folder + std::string(CsvFileName(selection));
  // The old export stays whole until the new one is on the disk. Anything but
  // a regular file in its place (a link, a folder), or a file this account
  // may not write, is a write failure (70), as writing it in place was; the
  // old file's mode and group stay.
  vb::ReplaceRules rules;
  rules.refuse_other_than_file = true;
  rules.refuse_unwritable = true;
  rules.refusal_number = 70;
  rules.mode = vb::ReplaceRules::Mode::kOldFile;
  vb::ReplaceFile(path, TaskCsv(ReadTaskRecords(store), selection, report_date), rules);
  common::OpenWithAssociatedProgram("Open", path, std::nullopt, std::nullopt, 1);
}

}  // namespace tasks
