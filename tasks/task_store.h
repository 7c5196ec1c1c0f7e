// The task store "ovtask.dat" that the submitters append to and the manager
// rewrites, and the locks that keep its writers from losing a request: every
// append and the manager's compaction hold "ovtask.lck", and one manager at a
// time holds "ovtaskgen.lck" for its whole run.
#pragma once

#include <string>
#include <vector>

#include "common/bulletin_record_file.h"
#include "common/tool_lock.h"
#include "platform/file_lock.h"

namespace tasks {

inline constexpr char kTaskStoreStem[] = "ovtask";

// "<tool folder>ovtask.dat".
std::string TaskStorePath(const std::string& tool_folder);

// A request as the submitter's form holds it; the date and address are the
// ones the submitter took at start-up.
struct NewTask {
  std::string subject;
  std::string description;
  std::string submitted_by;
  std::string date_text;
  std::string ip_address;  // 17 characters
  std::string site;
  std::string category;
};

// Appends the request as an open task of priority "0" at the end of the
// store and returns once it is on the disk. When it could not be stored the
// store is put back as it was, still under the store lock, and the file error
// raised.
void AppendTaskRecord(const std::string& tool_folder, const NewTask& task);

// At a tool's start-up: a store whose compaction was cut short before its
// rename is put back from "ovtask.new", holding the store lock, so that no
// request appended meanwhile is renamed over.
void RestoreTaskStore(const std::string& tool_folder);

// Records 1 to RecordCount of an open store, the count taken once.
std::vector<std::string> ReadTaskRecords(const common::BulletinRecordFile& store);

// The exclusive lock on "ovtask.lck" in the tool's folder, waited for and
// held while it lives. The file is never renamed or removed.
class StoreLock {
 public:
  explicit StoreLock(const std::string& tool_folder);
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

 private:
  vb::FileLock lock_;
};

// The manager's lock on "ovtaskgen.lck", tried once and, when taken, held
// for as long as it lives.
class ManagerLock : public common::ToolLock {
 public:
  explicit ManagerLock(const std::string& tool_folder) : ToolLock(tool_folder, "ovtaskgen.lck") {}
};

}  // namespace tasks
