// The e-mail of one task to the help desk: the settings a send needs, and
// the subject and body made of them and of the task on the manager's screen.
#pragma once

#include <string>

#include "tasks/task_settings.h"

namespace tasks {

// The shown task's boxes as they stand, saved or not.
struct MailedTask {
  std::string site;
  std::string category;
  std::string subject;
  std::string description;  // lines ended by CR LF
};

// False when a setting a send needs is empty (the school code and the
// mobile number may be).
bool MailPreferencesSet(const TaskMailSettings& settings);

std::string EmailSubject(const TaskMailSettings& settings);

// The body's seventeen lines, each ended by CR LF; the description keeps its
// own line breaks.
std::string BuildEmailBody(const TaskMailSettings& settings, const MailedTask& task);

}  // namespace tasks
