#include "tasks/task_mail.h"

#include "platform/text.h"

namespace tasks {

bool MailPreferencesSet(const TaskMailSettings& s) {
  for (const std::string* required : {&s.SchoolName, &s.ContactName, &s.ContactEmail, &s.SchoolPhone,
                                      &s.Availability, &s.RecipientAddress, &s.SmtpServer}) {
    if (required->empty()) return false;
  }
  return true;
}

std::string EmailSubject(const TaskMailSettings& settings) {
  return "Computer Help Request - " + settings.SchoolCode;
}

std::string BuildEmailBody(const TaskMailSettings& settings, const MailedTask& task) {
  const std::string lines[] = {
      "School      : " + vb::Trim(task.site),
      "School Code : " + settings.SchoolCode,
      "Contact     : " + settings.ContactName,
      "E-Mail      : " + settings.ContactEmail,
      "Mobile Ph.  : " + settings.MobilePhone,
      "School Ph.  : " + settings.SchoolPhone,
      "Availability: " + settings.Availability,
      "",
      "Problem With: " + vb::Trim(task.category),
      "",
      "Specific Item/Location : " + vb::Trim(task.subject),
      "",
      "Description of Problem : ",
      "",
      vb::Trim(task.description),
      "",
      "***This E-Mail was generated using Ond's Orvane Jobline***",
  };
  std::string body;
  for (const std::string& line : lines) body += line + "\r\n";
  return body;
}

}  // namespace tasks
