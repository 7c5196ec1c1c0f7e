// The task tools' folder for one test: a fresh folder under private drives,
// with the lists the tools need to start.
#pragma once

#include <filesystem>
#include <string>

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

}  // namespace tasks_test
