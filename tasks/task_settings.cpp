#include "tasks/task_settings.h"

#include "common/list_input.h"
#include "common/page_file.h"
#include "platform/ensure_file.h"
#include "platform/text.h"

namespace tasks {

namespace {

const char kFileName[] = "ovtask.ini";

}  // namespace

std::array<std::string*, 9> SettingsInOrder(TaskMailSettings& s) {
  return {&s.SchoolName,   &s.SchoolCode,   &s.ContactName,      &s.ContactEmail, &s.SchoolPhone,
          &s.MobilePhone,  &s.Availability, &s.RecipientAddress, &s.SmtpServer};
}

void EnsureTaskSettingsFile(const std::string& tool_folder) {
  vb::EnsureFile(tool_folder + kFileName);
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
  // Written as a printable page is: whole, in the old file's mode, never
  // through a link or over a read-only file.
  common::PageFile file(tool_folder + kFileName);
  file.Open();
  for (const std::string* setting : SettingsInOrder(settings)) file.Print("\"" + *setting + "\"");
  file.Commit();
}

}  // namespace tasks
