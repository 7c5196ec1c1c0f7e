// What the bulletin tools (task manager, task submitter, news, calendar) do
// first: find their folder, test that they may write there, and report the
// errors of their start-up; plus today's date as their records keep it.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "platform/vb_error.h"

namespace common {

// The file errors that mean the tool may not use its folder, in the order
// they are tested: 75, 53, 54, 57, 58, 61, 68, 70, 76.
bool IsFileError(int number);

// A tool's messages for its start-up errors.
struct BulletinTool {
  std::string access_message;
  std::string access_title;
  int access_style;        // a message box style
  std::string phase_text;  // follows "Error Code: n" for other errors
};
extern const BulletinTool kTaskManagerTool;
extern const BulletinTool kTaskSubmitterTool;
extern const BulletinTool kNewsTool;
extern const BulletinTool kCalendarTool;

// The tool's folder from the program's: a separator appended always (the
// task tools) or only when it has none at its end (news and calendar).
std::string ToolFolderOf(const std::string& program_folder, bool always_append);

// Creates (or empties) "test.tmp" in `tool_folder` and leaves it there; a
// link in its place is refused, never followed, and so is a read-only one. Any error is shown as
// StartupAccessHandler shows it, and the program ends.
void CheckFolderWriteAccess(const BulletinTool& tool, const std::string& tool_folder);

// Shows a start-up error: the tool's access message for a file error, else
// "Error Code: n" and the phase text (OK, no icon, the program's title).
// Then ends the program (vb::End), which closes the files on the way.
[[noreturn]] void StartupAccessHandler(const BulletinTool& tool, const vb::Error& error);

// "Error Code: " & n & phase, n in decimal without blanks.
std::string ErrorCodeText(int number, std::string_view phase);

// "dd/mm/yy" of a local time, and of now.
std::string DateTextOf(std::time_t time);
std::string TodayDateText();

}  // namespace common
