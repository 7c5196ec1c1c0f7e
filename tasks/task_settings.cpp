#include "tasks/task_settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/list_input.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace tasks {

namespace {

const char kFileName[] = "ovtask.ini";

}  // namespace

void EnsureTaskSettingsFile(const std::string& tool_folder) {
  const auto native = vb::Resolve(tool_folder + kFileName);
  const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) vb::RaiseErrno(errno, vb::FileOp::OpenWrite, native);
  ::close(fd);
}

TaskMailSettings ReadTaskSettings(const std::string& tool_folder) {
  TaskMailSettings settings;
  std::string* const order[] = {&settings.SchoolName,   &settings.SchoolCode,       &settings.ContactName,
                                &settings.ContactEmail, &settings.SchoolPhone,      &settings.MobilePhone,
                                &settings.Availability, &settings.RecipientAddress, &settings.SmtpServer};
  common::ListInput in = common::ListInput::FromFile(tool_folder + kFileName, false);
  for (std::string* setting : order) {
    if (in.Eof()) break;
    *setting = vb::Trim(in.NextValue());
  }
  return settings;
}

}  // namespace tasks
