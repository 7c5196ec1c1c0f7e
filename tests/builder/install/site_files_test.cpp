#include <gtest/gtest.h>

#include <filesystem>

#include "builder/install/copy_one.h"
#include "builder/install/site_files.h"
#include "platform/paths.h"
#include "subjects/core/subject_groups.h"
#include "tests/support/error_of.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_settings.h"
#include "tests/support/temp_drives.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ErrorOf;
using testing_support::ReadFile;
using testing_support::TempDrives;
using testing_support::WriteFile;

TEST(ShortcutSettingsTest, FileIsByteExact) {
  TempDrives drives("D");
  fs::create_directories(drives.drive('D') / "orvane");
  vb::ChDrive("D");
  vb::ChDir("D:\\orvane");
  site::BuildContext ctx;
  builder::PlainBuildSettings settings;
  builder::NoProgressWindow progress;
  site::BuildRun run{ctx, settings, progress};

  struct Case {
    std::string year;
    subjects::SubjectGroups groups;
    std::string expected;
  };
  subjects::SubjectGroups six;
  six.SubjectGroupCount = 6;
  six.TopicsPerGroup = 12;
  std::string six_lines;
  for (int k = 1; k <= 6; ++k) {
    six.SubjectGroupNames[k] = "Subject " + std::to_string(k);
    six.SubjectGroupFolders[k] = "subj" + std::to_string(k);
    six_lines += "\"Subject " + std::to_string(k) + "\",\"subj" + std::to_string(k) + "\"\r\n";
  }
  const Case cases[] = {
      {"2009", {}, "\"My Work\",2009\r\n\"0\"\r\n"},
      {" 10 ", {}, "\"My Work\", 10 \r\n\"0\"\r\n"},
      {"2026", six, "\"My Work\",2026\r\n\"6\"\r\n" + six_lines + "\"12\"\r\n"},
  };
  for (const Case& c : cases) {
    settings.year = c.year;
    builder::WriteShortcutSettings(run, c.groups);
    EXPECT_EQ(ReadFile(drives.drive('D') / "orvane" / "ovshrtct.ini"), c.expected) << c.year;
  }
}

TEST(CopyOneTest, ReplacesTheTargetAndNotWhatALinkPointsTo) {
  TempDrives drives("D");
  WriteFile(drives.drive('D') / "src" / "tool", "new tool");
  WriteFile(drives.root() / "precious", "keep me");
  fs::create_directories(drives.drive('D') / "orvane");
  fs::create_symlink(drives.root() / "precious", drives.drive('D') / "orvane" / "ovtopics");
  builder::CopyOne("D:\\src\\tool", "D:\\orvane\\ovtopics");
  EXPECT_FALSE(fs::is_symlink(drives.drive('D') / "orvane" / "ovtopics"));
  EXPECT_EQ(ReadFile(drives.drive('D') / "orvane" / "ovtopics"), "new tool");
  EXPECT_EQ(ReadFile(drives.root() / "precious"), "keep me");
  EXPECT_EQ(std::distance(fs::directory_iterator(drives.drive('D') / "orvane"), fs::directory_iterator()), 1);
}

TEST(CopyOneTest, MissingSourceOrFolderOrAFolderInTheWayRaisesItsNumber) {
  TempDrives drives("D");
  fs::create_directories(drives.drive('D') / "orvane");
  EXPECT_EQ(ErrorOf([] { builder::CopyOne("D:\\nothing.htm", "D:\\orvane\\writing.htm"); }), 53);
  WriteFile(drives.drive('D') / "a.htm", "x");
  EXPECT_EQ(ErrorOf([] { builder::CopyOne("D:\\a.htm", "D:\\orvane\\gone\\a.htm"); }), 76);
  EXPECT_TRUE(fs::is_empty(drives.drive('D') / "orvane"));
  fs::create_directories(drives.drive('D') / "orvane" / "writing.htm" / "kept");
  // A folder in the target's place is no existing folder to reuse.
  EXPECT_EQ(ErrorOf([] { builder::CopyOne("D:\\a.htm", "D:\\orvane\\writing.htm"); }), 70);
  EXPECT_EQ(std::distance(fs::directory_iterator(drives.drive('D') / "orvane"), fs::directory_iterator()), 1);
}

}  // namespace
