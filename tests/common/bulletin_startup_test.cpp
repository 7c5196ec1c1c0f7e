// The bulletin tools' start-up: their folder, the write test, the messages of
// start-up errors, and today's date.
#include "common/bulletin_startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/msgbox.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScriptedMessages;
using testing_support::WriteFile;

TEST(BulletinStartup, ToolFolderGetsOneSeparator) {
  EXPECT_EQ(common::ToolFolderOf("/srv/news/", false), "/srv/news/");
  EXPECT_EQ(common::ToolFolderOf("C:\\", false), "C:\\");
  EXPECT_EQ(common::ToolFolderOf("D:\\orvane\\news", false), "D:\\orvane\\news\\");
  EXPECT_EQ(common::ToolFolderOf("C:\\", true), "C:\\\\");
}

TEST(BulletinStartup, DateTextIsDayMonthYear) {
  for (auto [year, month, day, text] :
       {std::tuple{2007, 3, 5, "05/03/07"}, std::tuple{1999, 12, 31, "31/12/99"}}) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    EXPECT_EQ(common::DateTextOf(std::mktime(&local)), text);
  }
}

TEST(BulletinStartup, EachToolShowsItsAccessMessageOrTheErrorCode) {
  struct Case {
    const common::BulletinTool& tool;
    const char* access_start;
    const char* title;
    int style;
    const char* other;
  } cases[] = {
      {common::kTaskManagerTool, "You do not have write-access to the Orvane Jobline folder", "Access Blocked",
       vb::vbExclamation, "Error Code: 13 detected during write test."},
      {common::kTaskSubmitterTool, "Your user access level is insufficient to submit task requests.", "Sorry",
       vb::vbCritical, "Error Code: 13 detected during write test."},
      {common::kNewsTool, "You do not have write-access to the Orvane News folder", "Access Blocked",
       vb::vbExclamation, "Error Code: 13 detected during write test."},
      {common::kCalendarTool, "You do not have write-access to the Term Calendar folder", "Access Blocked",
       vb::vbExclamation, "Error Code: 13 detected."},
  };
  for (const Case& c : cases) {
    for (int number : {75, 53, 54, 57, 58, 61, 68, 70, 76, 13}) {
      ScriptedMessages messages;
      EXPECT_THROW(common::StartupAccessHandler(c.tool, vb::Error(number, "")), vb::EndProgram);
      ASSERT_EQ(messages.shown().size(), 1u);
      const vb::MessageBoxRequest& box = messages.shown()[0];
      if (number == 13) {
        EXPECT_EQ(box.text, c.other);
        EXPECT_EQ(box.style, vb::vbOKOnly);
        EXPECT_EQ(box.title, "");
      } else {
        EXPECT_EQ(box.text.rfind(c.access_start, 0), 0u) << box.text;
        EXPECT_EQ(box.style, c.style);
        EXPECT_EQ(box.title, c.title);
      }
    }
  }
  EXPECT_EQ(common::kNewsTool.access_message,
            "You do not have write-access to the Orvane News folder, therefore you cannot create the News "
            "webpage.  Click OK to quit.");
}

TEST(BulletinStartup, WriteTestEmptiesTestTmpAndRefusesWhatIsNoFile) {
  testing_support::TempDrives drives;
  const fs::path folder = drives.drive('D') / "news";
  const std::string tool_folder = folder.string() + "/";
  WriteFile(folder / "test.tmp", "old");
  {
    ScriptedMessages messages;
    common::CheckFolderWriteAccess(common::kNewsTool, tool_folder);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(fs::exists(folder / "test.tmp"));
    EXPECT_EQ(ReadFile(folder / "test.tmp"), "");
  }
  const fs::path target = drives.drive('D') / "target";
  for (auto place : {+[](const fs::path& p, const fs::path&) { fs::create_directory(p); },
                     +[](const fs::path& p, const fs::path& t) { fs::create_symlink(t, p); },
                     +[](const fs::path& p, const fs::path&) {
                       WriteFile(p, "read-only");
                       fs::permissions(p, fs::perms::owner_read);
                     }}) {
    fs::remove_all(folder / "test.tmp");
    WriteFile(target, "not the tool's");
    place(folder / "test.tmp", target);
    ScriptedMessages messages;
    EXPECT_THROW(common::CheckFolderWriteAccess(common::kNewsTool, tool_folder), vb::EndProgram);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, common::kNewsTool.access_message);
    EXPECT_EQ(ReadFile(target), "not the tool's");
  }
}
