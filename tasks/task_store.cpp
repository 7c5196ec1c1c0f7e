#include "tasks/task_store.h"

#include "tasks/task_record.h"

namespace tasks {

std::string TaskStorePath(const std::string& tool_folder) {
  return tool_folder + kTaskStoreStem + ".dat";
}

void AppendTaskRecord(const std::string& tool_folder, const NewTask& task) {
  const std::string record = BuildTaskRecord(kIncomplete, task.subject, task.description, task.submitted_by,
                                             task.date_text, task.ip_address, task.site, task.category, '0');
  StoreLock lock(tool_folder);
  common::BulletinRecordFile store;
  store.Open(TaskStorePath(tool_folder), kTaskRecordLength);
  store.AppendRecord(record, /*sync=*/true);
}

void RestoreTaskStore(const std::string& tool_folder) {
  StoreLock lock(tool_folder);
  common::RestoreCompactedStore(tool_folder, kTaskStoreStem);
}

std::vector<std::string> ReadTaskRecords(const common::BulletinRecordFile& store) {
  std::vector<std::string> records;
  const int n = store.RecordCount();
  for (int k = 1; k <= n; ++k) records.push_back(store.ReadRecordAt(k));
  return records;
}

StoreLock::StoreLock(const std::string& tool_folder) : lock_(tool_folder + "ovtask.lck") { lock_.Take(); }

}  // namespace tasks
