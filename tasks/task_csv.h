// The manager's exports of the task store for a spreadsheet: every live
// task, the complete ones or the open ones, as a CSV file in its folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/bulletin_record_file.h"

namespace tasks {

enum class TaskSelection { kAll, kCompleteTasks, kIncompleteTasks };

// "ovalltasks.csv", "ovcomptasks.csv" or "ovincomptasks.csv".
std::string_view CsvFileName(TaskSelection selection);

// The file's bytes: the header, an empty line, a row of nine quoted values
// for each selected record in store order, an empty line and the report
// line with the date; every line ends with CR LF. Quotes inside values are
// doubled.
std::string TaskCsv(const std::vector<std::string>& records, TaskSelection selection,
                    std::string_view report_date);

// Writes the export of the open store into the tool's folder, replacing the
// old one in one durable step, and opens it with the desktop's program for
// CSV files. Raises the file error when the file cannot be written; the old
// one stays whole and nothing is opened then.
void ExportTasks(const std::string& tool_folder, const common::BulletinRecordFile& store,
                 TaskSelection selection, std::string_view report_date);

}  // namespace tasks
