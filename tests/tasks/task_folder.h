// The task tools' folder for one test: a fresh folder under private drives,
// with the lists the tools need to start.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_drives.h"

namespace tasks_test {

class TaskFolder {
 public:
  TaskFolder();

  // The folder as the tools name it, ending in "/".
  const std::string& folder() const { return folder_; }
  std::filesystem::path file(const std::string& name) const { return native_ / name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  testing_support::TempDrives drives_;
  std::filesystem::path native_;
  std::string folder_;
};

// A task record of 1143 bytes as an outside writer lays it out: the news
// record's fields, then site (20), category (20) and priority (1).
std::string TaskRecordBytes(char status, const std::string& title, const std::string& body = "",
                            const std::string& submitted_by = "", const std::string& date_text = "",
                            const std::string& ip_address = "", const std::string& site = "",
                            const std::string& category = "", char priority = '0');

// A store of records whose titles are "Task 1", "Task 2" ... and whose
// statuses are the characters of `statuses`.
std::string StoreOfStatuses(const std::string& statuses);

}  // namespace tasks_test
