// The manager's mail settings "ovtask.ini": nine values in double quotes,
// read back in order at start-up.
#pragma once

#include <array>
#include <string>

namespace tasks {

struct TaskMailSettings {
  std::string SchoolName;
  std::string SchoolCode;
  std::string ContactName;
  std::string ContactEmail;
  std::string SchoolPhone;
  std::string MobilePhone;
  std::string Availability;
  std::string RecipientAddress;
  std::string SmtpServer;
};

// The nine settings in the file's order.
std::array<std::string*, 9> SettingsInOrder(TaskMailSettings& settings);

// Creates an empty "ovtask.ini" in the tool's folder when there is none; an
// existing file is left as it is.
void EnsureTaskSettingsFile(const std::string& tool_folder);

// The settings from the file's first nine values, each trimmed; a value in
// quotes may hold commas, and lines do not count. Values the file does not
// reach are empty; values past the ninth are dropped.
TaskMailSettings ReadTaskSettings(const std::string& tool_folder);

// Writes the nine settings, one line each between double quotes, in place
// of the old file; an error leaves the old file as it was.
void SaveTaskSettings(const std::string& tool_folder, TaskMailSettings settings);

}  // namespace tasks
