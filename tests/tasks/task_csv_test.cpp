#include "tasks/task_csv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "tests/support/another_group.h"
#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/recording_opener.h"
#include "tests/tasks/task_folder.h"

using tasks::TaskSelection;
using tasks_test::TaskRecordBytes;

namespace {

const std::vector<std::string> kRecords = {
    TaskRecordBytes('0', "Tray 2", "Jams", "J Smith", "03/12/26", "10.0.0.5", "Annex", "Printer", '2'),
    TaskRecordBytes('1', "Toner", "Printer jams, \"badly\"\r\ntray 2  ", "A Jones", "04/12/26", "10.0.0.6",
                    "Hall", "Printer", '0'),
    TaskRecordBytes('D', "This task has been deleted.", "", "", "", "", "", "", ' '),
    TaskRecordBytes('x', std::string(50, 's'), "Odd", "B Lee", "05/12/26", "10.0.0.7", "Lab", "Email", '9'),
};
const std::string kHeader =
    "Date,Submitted By,Site,Problem With,Specific Item,IP Address,Priority,Complete?,"
    "Description of Problem/Request\r\n\r\n";
const std::string kComplete = "\"03/12/26\",\"J Smith\",\"Annex\",\"Printer\",\"Tray 2\",\"10.0.0.5\",\"MEDIUM\",\"YES\",\"Jams\"\r\n";
const std::string kOpen =
    "\"04/12/26\",\"A Jones\",\"Hall\",\"Printer\",\"Toner\",\"10.0.0.6\",\"NOT SET\",\"NO\","
    "\"Printer jams, \"\"badly\"\"\r\ntray 2\"\r\n";
const std::string kOdd = "\"05/12/26\",\"B Lee\",\"Lab\",\"Email\",\"" + std::string(50, 's') +
                         "\",\"10.0.0.7\",\"NOT SET\",\"YES\",\"Odd\"\r\n";
const std::string kReport = "\r\nReport: ,\"07/12/26\"\r\n";

}  // namespace

TEST(TaskCsv, RowsOfTheSelectedTasksInStoreOrder) {
  const struct {
    TaskSelection selection;
    std::vector<std::string> records;
    std::string csv;
  } cases[] = {
      {TaskSelection::kAll, kRecords, kHeader + kComplete + kOpen + kOdd + kReport},
      {TaskSelection::kCompleteTasks, kRecords, kHeader + kComplete + kOdd + kReport},
      {TaskSelection::kIncompleteTasks, kRecords, kHeader + kOpen + kOdd + kReport},
      {TaskSelection::kAll, {kRecords[2]}, kHeader + kReport},
  };
  for (const auto& c : cases) EXPECT_EQ(tasks::TaskCsv(c.records, c.selection, "07/12/26"), c.csv);
}

TEST(TaskCsv, ExportIsWrittenIntoTheToolFolderAndOpened) {
  tasks_test::TaskFolder tools;
  tools.Write("ovtask.dat", kRecords[0] + kRecords[1]);
  common::BulletinRecordFile store;
  store.Open(tools.folder() + "ovtask.dat", 1143);
  testing_support::RecordingOpener opener(tools.file(""));
  tasks::ExportTasks(tools.folder(), store, TaskSelection::kIncompleteTasks, "07/12/26");
  EXPECT_EQ(tools.Read("ovincomptasks.csv"), kHeader + kOpen + kReport);
  EXPECT_EQ(opener.Opened(), tools.file("ovincomptasks.csv").string());

  opener.Forget();
  std::filesystem::create_directory(tools.file("ovalltasks.csv"));
  EXPECT_EQ(testing_support::ErrorOf([&] { tasks::ExportTasks(tools.folder(), store, TaskSelection::kAll, "x"); }),
            70);
  EXPECT_EQ(opener.Opened(), "");
}

namespace {

namespace fs = std::filesystem;

enum Place { kNone, kOldFile, kLink, kFolder, kReadOnly, kFullDrive };

struct Case {
  const char* name;
  Place place;
  int error;
  mode_t mode;  // of the export written
};

// Exports all tasks over what `c` puts in the export's place; with
// `give_group` the old file has a group of the staff, which stays. False when
// no other group could be given.
bool ExportOver(const Case& c, bool give_group = false) {
  SCOPED_TRACE(c.name);
  const std::string csv = tasks::TaskCsv({kRecords[0]}, TaskSelection::kAll, "x");
  tasks_test::TaskFolder tools;
  tools.Write("ovtask.dat", kRecords[0]);
  tools.Write("outside", "old");
  const fs::path target = tools.file("ovalltasks.csv");
  if (c.place == kLink) fs::create_symlink(tools.file("outside"), target);
  if (c.place == kFolder) fs::create_directory(target);
  if (c.place == kOldFile || c.place == kReadOnly || c.place == kFullDrive) {
    tools.Write("ovalltasks.csv", "old");
    ::chmod(target.c_str(), c.place == kReadOnly ? 0444 : 0640);
  }
  // A group of the staff, where this user may give one.
  std::optional<gid_t> staff;
  if (give_group) staff = testing_support::GiveAnotherGroup(target);
  // An account that may write a read-only file has it replaced, as it had
  // it written in place.
  const int expected = c.place == kReadOnly && ::access(target.c_str(), W_OK) == 0 ? 0 : c.error;

  common::BulletinRecordFile store;
  store.Open(tools.folder() + "ovtask.dat", 1143);
  testing_support::RecordingOpener opener(tools.file(".."));
  std::optional<testing_support::FullDrive> full;
  if (c.place == kFullDrive) full.emplace(0);
  EXPECT_EQ(testing_support::ErrorOf([&] { tasks::ExportTasks(tools.folder(), store, TaskSelection::kAll, "x"); }),
            expected);
  full.reset();

  EXPECT_EQ(tools.Read("outside"), "old");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(tools.file(""))) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"category.txt", "outside", "ovalltasks.csv", "ovtask.dat",
                                              "sites.txt"}))
      << "nothing left beside";
  if (expected != 0) {
    if (c.place != kLink && c.place != kFolder) {
      EXPECT_EQ(tools.Read("ovalltasks.csv"), "old");
    }
    return staff.has_value();
  }
  EXPECT_EQ(tools.Read("ovalltasks.csv"), csv);
  struct stat st {};
  ::lstat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, c.place == kReadOnly ? 0444 : c.mode);
  if (staff) {
    EXPECT_EQ(st.st_gid, *staff);
  }
  return staff.has_value();
}

}  // namespace

// The export replaces the old file whole or not at all: what stands in its
// place is refused as a write in place refused it, the old file keeps its
// mode and group, and a full drive leaves it whole.
TEST(TaskCsv, ExportReplacesTheOldFileWholeOrLeavesIt) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const Case cases[] = {
      {"no old file", kNone, 0, static_cast<mode_t>(0666 & ~mask)},
      {"an old file", kOldFile, 0, 0640},
      {"a link", kLink, 70, 0},
      {"a folder", kFolder, 70, 0},
      {"a read-only file", kReadOnly, 70, 0},
      {"a full drive", kFullDrive, 61, 0},
  };
  for (const Case& c : cases) ExportOver(c);
}

TEST(TaskCsv, ExportKeepsTheOldFilesGroup) {
  if (!ExportOver({"an old file of the staff's group", kOldFile, 0, 0640}, true)) {
    GTEST_SKIP() << "the old export's group is not checked: this account may give a file no group but its own "
                    "(root may, or an account of two groups)";
  }
}
