#include "tests/tasks/task_folder.h"

#include "platform/paths.h"

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

}  // namespace tasks_test
