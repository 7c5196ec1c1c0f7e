// The manager's mail settings "ovtask.ini": nine values in double quotes,
// read back in order at start-up.
#pragma once

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

// Creates an empty "ovtask.ini" in the tool's folder when there is none; an
// existing file is left as it is.
void EnsureTaskSettingsFile(const std::string& tool_folder);

// The settings from the file's first nine values, each trimmed; a value in
// quotes may hold commas, and lines do not count. Values the file does not
// reach are empty; values past the ninth are dropped.
TaskMailSettings ReadTaskSettings(const std::string& tool_folder);

}  // namespace tasks
