// The replacement of a file through a temporary one, as each of its callers
// asks for it: what a link or a read-only file in the target's place gets,
// the new file's mode, a failed write, and the leftovers of killed writers.
#include "platform/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <vector>

#include "builder/install/copy_one.h"
#include "common/bulletin_record_file.h"
#include "common/news_record.h"
#include "common/page_file.h"
#include "common/replace_in_file.h"
#include "platform/temporary_names.h"
#include "tasks/task_password.h"
#include "tests/support/another_group.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::ErrorOf;
using testing_support::NewsRecordBytes;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

mode_t Ordinary() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

mode_t ModeOf(const fs::path& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// Every entry of a folder: its kind, mode and bytes (a link's target).
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::path& path = entry.path();
    const std::string what = fs::is_symlink(fs::symlink_status(path)) ? "link " + fs::read_symlink(path).string()
                                                                       : "file " + ReadFile(path);
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(ModeOf(path)));
    entries[path.filename().string()] = std::string(mode) + " " + what;
  }
  return entries;
}

void PublishPage() {
  common::PageFile page("D:\\f\\page.htm");
  page.Open();
  page.Print("new");
  page.Commit();
}

// The news tool compacts the store it has held open since start-up.
common::BulletinRecordFile held_store;

void OpenStore() { held_store.Open("D:\\f\\ovnews.dat", common::kNewsRecordLength); }

void Compact() { common::CompactRecordFile(held_store, "D:\\f\\", "ovnews"); }

struct Caller {
  const char* name;
  const char* file;
  std::function<void()> replace;
  std::string old_bytes;
  std::string new_bytes;
  int link_error;       // a link in the target's place: the error, or 0 when replaced; -1 not tried
  int read_only_error;  // a read-only target: the error, or 0 when replaced
  mode_t mode;          // of the new file, the old one's being 0640
  const char* left_when_refused;  // the caller's own file that a refusal leaves
  bool keeps_group = false;  // the new file has the old one's group
  std::function<void()> opens_target = {};  // what the caller opens before the target is made read-only
  mode_t link_mode = 0;       // of the new file made over a link, when not `mode`
  mode_t read_only_mode = 0;  // of the new file made over a read-only one, when not `mode`
};

enum Setting { kOldFile, kLink, kReadOnly, kFullDrive };

// Runs the caller with `setting` at its target, beside a school's temp.htm;
// with `give_group`, the old file has a group of the staff, which a caller
// that keeps the group must keep. False when no other group could be given.
bool Check(const Caller& c, Setting setting, bool give_group = false) {
  testing_support::TempDrives drives("D");
  const fs::path folder = drives.drive('D') / "f";
  const fs::path outside = drives.root() / "outside";
  WriteFile(drives.drive('D') / "src" / "tool", "new tool");
  fs::permissions(drives.drive('D') / "src" / "tool", fs::perms(0755));
  WriteFile(folder / "temp.htm", "the school's own");
  WriteFile(outside, c.old_bytes);
  if (setting == kLink) {
    fs::create_symlink(outside, folder / c.file);
  } else {
    WriteFile(folder / c.file, c.old_bytes);
    ::chmod((folder / c.file).c_str(), 0640);
  }
  // A group of the staff.
  std::optional<gid_t> staff;
  if (give_group) staff = testing_support::GiveAnotherGroup(folder / c.file);
  if (c.opens_target && setting != kLink) c.opens_target();
  if (setting == kReadOnly) ::chmod((folder / c.file).c_str(), 0444);
  const auto before = Snapshot(folder);

  std::optional<testing_support::FullDrive> full;
  if (setting == kFullDrive) full.emplace(0);
  const int error = ErrorOf(c.replace);
  full.reset();

  const int expected = setting == kLink       ? c.link_error
                       : setting == kReadOnly ? c.read_only_error
                       : setting == kFullDrive ? 61
                                               : 0;
  EXPECT_EQ(error, expected);
  EXPECT_EQ(ReadFile(outside), c.old_bytes);
  if (error != 0) {
    auto after = Snapshot(folder);
    after.erase(c.left_when_refused);
    EXPECT_EQ(after, before);
    return true;
  }
  EXPECT_FALSE(fs::is_symlink(folder / c.file));
  EXPECT_EQ(ReadFile(folder / c.file), c.new_bytes);
  EXPECT_EQ(ModeOf(folder / c.file), setting == kLink && c.link_mode != 0           ? c.link_mode
                                     : setting == kReadOnly && c.read_only_mode != 0 ? c.read_only_mode
                                                                                     : c.mode);
  struct stat st {};
  if (staff) {
    ::lstat((folder / c.file).c_str(), &st);
    EXPECT_EQ(st.st_gid, *staff);
  }
  EXPECT_EQ(ReadFile(folder / "temp.htm"), "the school's own");
  EXPECT_EQ(Snapshot(folder).size(), 2u) << "the target and the school's temp.htm, nothing left beside";
  return staff.has_value();
}

const std::string live = NewsRecordBytes('1', "Live");
const std::string store = live + NewsRecordBytes('D', "Gone");
const mode_t program = Ordinary() | ((Ordinary() & 0444) >> 2);
const Caller callers[] = {
    {"printable page", "page.htm", PublishPage, "old\r\n", "new\r\n", 75, 75, 0640, ""},
    {"password", "ovtaskpw.dat", [] { tasks::WriteTaskPassword("D:\\f\\", "pw"); }, "old",
     tasks::PasswordFileImage("pw"), 0, 0, 0640, "", true, {}, 0600},
    {"copy of a program", "tool", [] { builder::CopyOne("D:\\src\\tool", "D:\\f\\tool"); }, "old", "new tool", 0,
     0, program, ""},
    {"personalised page", "index.htm",
     [] { common::ReplaceInFile("D:\\f\\", "index.htm", "Sample", "Hill", 6); }, "a Sample\r\n", "a Hill\r\n", 0,
     0, 0640, "", true, {}, Ordinary(), 0444},
    {"compaction", "ovnews.dat", Compact, store, live, -1, 75, 0640, "ovnews.new", true, OpenStore},
};

}  // namespace

TEST(ReplaceFile, EachCallerKeepsItsRules) {
  for (const Caller& c : callers) {
    for (Setting setting : {kOldFile, kLink, kReadOnly, kFullDrive}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(setting));
      if (setting != kLink || c.link_error >= 0) Check(c, setting);
    }
  }
}

TEST(ReplaceFile, CallersThatKeepTheModeKeepTheGroup) {
  for (const Caller& c : callers) {
    SCOPED_TRACE(c.name);
    if (c.keeps_group && !Check(c, kOldFile, true)) {
      GTEST_SKIP() << "the old file's group is not checked: this account may give a file no group but its own "
                      "(root may, or an account of two groups)";
    }
  }
}

// A write killed part-way leaves its temporary file: the next write of the
// same program removes it when its process has ended on this computer, or,
// from another computer sharing the folder, when it is more than a day old.
TEST(ReplaceFile, NextWriteRemovesTheLeftoversOfEndedWriters) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const vb::TemporaryWriter self = vb::ThisWriter();
  const vb::TemporaryWriter ended{self.program, self.host, child};
  const vb::TemporaryWriter elsewhere{self.program, "other-host.example.org", child};
  const vb::TemporaryWriter other_program{"ovcalendar", self.host, child};
  const struct Leftover {
    const char* what;
    vb::TemporaryWriter writer;
    int age_hours;
    bool link;
    bool removed;
  } leftovers[] = {
      {"ended here", ended, 0, false, true},
      {"still running here", self, 0, false, false},
      {"another computer's, recent", elsewhere, 23, false, false},
      {"another computer's, two days old", elsewhere, 48, false, true},
      {"another program's", other_program, 48, false, false},
      {"a link, not followed", ended, 0, true, false},
  };
  testing_support::TempDrives drives("D");
  const fs::path folder = drives.drive('D') / "f";
  WriteFile(drives.root() / "outside", "not the tool's");
  for (const Leftover& l : leftovers) {
    SCOPED_TRACE(l.what);
    const fs::path file = folder / (vb::TemporaryNamePrefix("page.htm", l.writer) + "Ab12Cd");
    if (l.link) {
      fs::create_symlink(drives.root() / "outside", file);
    } else {
      WriteFile(file, "half a page");
      fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(l.age_hours));
    }
    PublishPage();
    EXPECT_EQ(fs::exists(fs::symlink_status(file)), !l.removed);
    fs::remove(file);
  }
  EXPECT_EQ(ReadFile(drives.root() / "outside"), "not the tool's");
  EXPECT_EQ(ReadFile(folder / "page.htm"), "new\r\n");
}

// The temporary name's form is what finds the leftovers of writers killed
// by earlier versions too: it stays "<file>.<program>@<host>.<pid>." and six
// random characters, and what a killed writer really leaves is removed by
// the next write.
TEST(ReplaceFile, TemporaryNameKeepsItsFormAndAKilledWritersFileIsRemoved) {
  const struct Form {
    const char* file;
    vb::TemporaryWriter writer;
    const char* prefix;
  } forms[] = {
      {"ovnews.dat", {"ovnewsgen", "staffroom-pc.school.example", 4242},
       "ovnews.dat.ovnewsgen@staffroom-pc.school.example.4242."},
      {"index.htm", {"orvane", "a_b", 7}, "index.htm.orvane@a_b.7."},
  };
  for (const Form& f : forms) EXPECT_EQ(vb::TemporaryNamePrefix(f.file, f.writer), f.prefix);

  // A writer killed while it copies (here by the file-size limit, which
  // ends a process that passes it) leaves its temporary file.
  testing_support::TempDrives drives("D");
  const fs::path folder = drives.drive('D') / "f";
  WriteFile(folder / "page.htm", "old\r\n");
  WriteFile(drives.drive('D') / "source.htm", std::string(1 << 16, 'x'));
  const pid_t writer = ::fork();
  if (writer == 0) {
    ::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      vb::ReplaceWithCopy("D:\\source.htm", "D:\\f\\page.htm", {});
    } catch (...) {
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(writer, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the writer was not stopped mid-copy";
  const vb::TemporaryWriter self = vb::ThisWriter();
  const std::regex left("page\\.htm\\." + self.program + "@" + self.host + "\\." +
                        std::to_string(writer) + "\\.[A-Za-z0-9]{6}");
  std::vector<std::string> leftovers;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != "page.htm") leftovers.push_back(entry.path().filename().string());
  }
  ASSERT_EQ(leftovers.size(), 1u);
  EXPECT_TRUE(std::regex_match(leftovers[0], left)) << leftovers[0];

  PublishPage();
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder / leftovers[0]))) << leftovers[0];
  EXPECT_EQ(ReadFile(folder / "page.htm"), "new\r\n");
}
