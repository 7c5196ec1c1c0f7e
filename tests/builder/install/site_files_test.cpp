#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "builder/install/copy_one.h"
#include "builder/install/site_files.h"
#include "builder/install/template_site.h"
#include "platform/paths.h"
#include "subjects/core/subject_groups.h"
#include "tests/support/another_group.h"
#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_run.h"
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

enum Place { kNone, kOldFile, kLink, kFolder, kReadOnly, kFullDrive };

const struct Writer {
  const char* name;
  const char* file;  // in the site root
  std::function<void(site::BuildRun&)> write;
  int link_error;  // 0: a link in the file's place is replaced
} writers[] = {
    {"template copy", "page.htm", [](site::BuildRun& run) { builder::CopyTemplateSite(run); }, 0},
    {"settings file", "ovshrtct.ini",
     [](site::BuildRun& run) { builder::WriteShortcutSettings(run, subjects::SubjectGroups{}); }, 70},
};

struct Case {
  const char* name;
  Place place;
  int error;    // other than a link's
  mode_t mode;  // of the file written
};

// Writes the file of `w` over what `c` puts in its place; with `give_group`
// the old file has a group of the staff, which stays. False when no other
// group could be given.
bool WriteOver(const Writer& w, const Case& c, bool give_group = false) {
  SCOPED_TRACE(std::string(w.name) + ", " + c.name);
  TempDrives drives("D");
  const fs::path root = drives.drive('D') / "orvane";
  const fs::path program = drives.root() / "program";
  WriteFile(program / "ovintranet" / "orvane" / "page.htm", "new page");
  WriteFile(drives.root() / "outside", "old");
  const fs::path target = root / w.file;
  fs::create_directories(root);
  if (c.place == kLink) fs::create_symlink(drives.root() / "outside", target);
  if (c.place == kFolder) fs::create_directory(target);
  if (c.place == kOldFile || c.place == kReadOnly || c.place == kFullDrive) {
    WriteFile(target, "old");
    ::chmod(target.c_str(), c.place == kReadOnly ? 0444 : 0640);
  }
  // A group of the staff, where this user may give one.
  std::optional<gid_t> staff;
  if (give_group) staff = testing_support::GiveAnotherGroup(target);
  // An account that may write a read-only file has it replaced, as it had it written in place.
  int expected = c.place == kLink ? w.link_error : c.error;
  if (c.place == kReadOnly && ::access(target.c_str(), W_OK) == 0) expected = 0;

  vb::ChDrive("D");
  vb::ChDir("D:\\orvane");
  builder::PlainBuildRun build(program);
  std::optional<testing_support::FullDrive> full;
  if (c.place == kFullDrive) full.emplace(0);
  EXPECT_EQ(ErrorOf([&] { w.write(build.run); }), expected);
  full.reset();

  EXPECT_EQ(ReadFile(drives.root() / "outside"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1) << "nothing left beside";
  if (expected != 0) {
    if (c.place != kLink && c.place != kFolder) {
      EXPECT_EQ(ReadFile(target), "old");
    }
    return staff.has_value();
  }
  EXPECT_FALSE(fs::is_symlink(target));
  EXPECT_EQ(ReadFile(target), w.file == std::string("page.htm") ? "new page" : "\"My Work\",2026\r\n\"0\"\r\n");
  struct stat st {};
  ::lstat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, c.mode);
  if (staff) {
    EXPECT_EQ(st.st_gid, *staff);
  }
  return staff.has_value();
}

// The template copy and the settings file replace the old file whole or
// not at all: what stands in its place is replaced or refused as writing it
// in place did, the old file keeps its mode and group, a full drive leaves it.
TEST(SiteFilesTest, TemplateCopyAndSettingsFileReplaceTheOldFileWholeOrLeaveIt) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const mode_t ordinary = 0666 & ~mask;
  const Case cases[] = {
      {"no old file", kNone, 0, ordinary}, {"an old file", kOldFile, 0, 0640},
      {"a link", kLink, 0, ordinary},       {"a folder", kFolder, 70, 0},
      {"a read-only file", kReadOnly, 70, 0444}, {"a full drive", kFullDrive, 61, 0},
  };
  for (const Writer& w : writers) {
    for (const Case& c : cases) WriteOver(w, c);
  }
}

TEST(SiteFilesTest, TemplateCopyAndSettingsFileKeepTheOldFilesGroup) {
  for (const Writer& w : writers) {
    if (!WriteOver(w, {"an old file of the staff's group", kOldFile, 0, 0640}, true)) {
      GTEST_SKIP() << "the old file's group is not checked: this account may give a file no group but its own "
                      "(root may, or an account of two groups)";
    }
  }
}

}  // namespace
