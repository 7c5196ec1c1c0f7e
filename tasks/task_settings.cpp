#include "tasks/task_settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/list_input.h"
#include "common/page_file.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace tasks {

namespace {

const char kFileName[] = "ovtask.ini";

}  // namespace

std::array<std::string*, 9> SettingsInOrder(TaskMailSettings& s) {
  return {&s.SchoolName,   &s.SchoolCode,   &s.ContactName,      &s.ContactEmail, &s.SchoolPhone,
          &s.MobilePhone,  &s.Availability, &s.RecipientAddress, &s.SmtpServer};
}

void EnsureTaskSettingsFile(const std::string& tool_folder) {
  const auto native = vb::Resolve(tool_folder + kFileName);
  const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) vb::RaiseErrno(errno, vb::FileOp::OpenWrite, native);
  ::close(fd);
}

TaskMailSettings ReadTaskSettings(const std::string& tool_folder) {
  TaskMailSettings settings;
  common::ListInput in = common::ListInput::FromFile(tool_folder + kFileName, false);
  for (std::string* setting : SettingsInOrder(settings)) {
    if (in.Eof()) break;
    *setting = vb::Trim(in.NextValue());
  }
  return settings;
}

void SaveTaskSettings(const std::string& tool_folder, TaskMailSettings settings) {
  common::PageFile file(tool_folder + kFileName);
  file.Open();
  for (const std::string* setting : SettingsInOrder(settings)) file.Print("\"" + *setting + "\"");
  file.Commit();
}

}  // namespace tasks
