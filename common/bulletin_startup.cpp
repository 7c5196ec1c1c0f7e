#include "common/bulletin_startup.h"

#include <array>

#include "platform/files.h"
#include "platform/msgbox.h"

namespace common {

bool IsFileError(int number) {
  constexpr std::array<int, 9> kFileErrorSet{75, 53, 54, 57, 58, 61, 68, 70, 76};
  for (int member : kFileErrorSet) {
    if (member == number) return true;
  }
  return false;
}

const BulletinTool kTaskManagerTool{
    "You do not have write-access to the Orvane Jobline folder, therefore you cannot create the Jobline "
    "webpage.  Click OK to quit.",
    "Access Blocked", vb::vbExclamation, " detected during write test."};
const BulletinTool kTaskSubmitterTool{"Your user access level is insufficient to submit task requests.",
                                      "Sorry", vb::vbCritical, " detected during write test."};
const BulletinTool kNewsTool{
    "You do not have write-access to the Orvane News folder, therefore you cannot create the News webpage.  "
    "Click OK to quit.",
    "Access Blocked", vb::vbExclamation, " detected during write test."};
const BulletinTool kCalendarTool{
    "You do not have write-access to the Term Calendar folder, therefore you cannot create a new term "
    "calendar.  Click OK to quit.",
    "Access Blocked", vb::vbExclamation, " detected."};

std::string ToolFolderOf(const std::string& program_folder, bool always_append) {
  const bool ends_in_separator =
      !program_folder.empty() && (program_folder.back() == '\\' || program_folder.back() == '/');
  return always_append || !ends_in_separator ? program_folder + "\\" : program_folder;
}

void CheckFolderWriteAccess(const BulletinTool& tool, const std::string& tool_folder) {
  try {
    // A read-only "test.tmp" is refused as Windows refuses it, whoever runs the tool.
    if (vb::IsReadOnlyFile(tool_folder + "test.tmp")) vb::Raise(75, "test.tmp: read-only");
    vb::LineWriter probe(tool_folder + "test.tmp");
    probe.Close();
  } catch (const vb::Error& error) {
    StartupAccessHandler(tool, error);
  }
}

void StartupAccessHandler(const BulletinTool& tool, const vb::Error& error) {
  if (IsFileError(error.number())) {
    vb::MsgBox(tool.access_message, tool.access_style, tool.access_title);
  } else {
    vb::MsgBox(ErrorCodeText(error.number(), tool.phase_text), vb::vbOKOnly);
  }
  vb::End();
}

std::string ErrorCodeText(int number, std::string_view phase) {
  return "Error Code: " + std::to_string(number) + std::string(phase);
}

std::string DateTextOf(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  auto two_digits = [](int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  };
  return two_digits(local.tm_mday) + "/" + two_digits(local.tm_mon + 1) + "/" +
         two_digits((local.tm_year + 1900) % 100);
}

std::string TodayDateText() { return DateTextOf(std::time(nullptr)); }

}  // namespace common
