#include "tests/tasks/task_folder.h"

#include "platform/paths.h"
#include "tests/support/bulletin_files.h"

namespace tasks_test {

TaskFolder::TaskFolder() : drives_("D"), native_(drives_.drive('d') / "ovjobline") {
  std::filesystem::create_directories(native_);
  folder_ = vb::NativeToText(native_) + "/";
  Write("sites.txt", "Library\r\nHall\r\n");
  Write("category.txt", "Printer\r\nNetwork\r\n");
}

void TaskFolder::Write(const std::string& name, const std::string& bytes) const {
  testing_support::WriteFile(file(name), bytes);
}

std::string TaskFolder::Read(const std::string& name) const { return testing_support::ReadFile(file(name)); }

std::string TaskRecordBytes(char status, const std::string& title, const std::string& body,
                            const std::string& submitted_by, const std::string& date_text,
                            const std::string& ip_address, const std::string& site,
                            const std::string& category, char priority) {
  return testing_support::NewsRecordBytes(status, title, body, submitted_by, date_text, ip_address) +
         testing_support::FixedFields({{site, 20}, {category, 20}, {std::string(1, priority), 1}});
}

std::string StoreOfStatuses(const std::string& statuses) {
  std::string store;
  for (size_t i = 0; i < statuses.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    store += TaskRecordBytes(statuses[i], "Task " + n, "Body " + n, "Person " + n, "0" + n + "/03/07",
                             "10.0.0." + n, "Site " + n, "Category " + n, '0');
  }
  return store;
}

}  // namespace tasks_test
