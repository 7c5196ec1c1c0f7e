#include "tasks/task_page.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/vb_error.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/no_file_override.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"
#include "tests/tasks/task_folder.h"

namespace fs = std::filesystem;
using tasks_test::TaskRecordBytes;
using testing_support::ScriptedMessages;

namespace {

const std::string kOpen1 = TaskRecordBytes('1', "Printer jams", "Jams on tray 2 http://help.example.org/tray now\r\nSecond line",
                                           "J Smith", "03/12/26", "10.0.0.5", "Annex", "Printer", '2');
const std::string kComplete2 = TaskRecordBytes('0', "Done", "Fixed", "A Jones", "04/12/26", "10.0.0.6", "Hall", "Email", '1');
const std::string kDeleted3 = TaskRecordBytes('D', "This task has been deleted.", "", "", "", "", "", "", ' ');
const std::string kOpen4 = TaskRecordBytes('1', "<b>No</b> sound & video", "", "B \"Bo\" Lee", "05/12/26",
                                           "10.0.0.7", "  Room 4 ", "Projector", '7');
const std::string kStore = kOpen1 + kComplete2 + kDeleted3 + kOpen4;

const char kSuccess[] =
    "The Orvane Jobline webpage has been updated with the specified task requests.  Click Refresh in your "
    "browser to view the latest version.  This utility will now close.";

// Runs a page run to its end and returns the one box it showed.
vb::MessageBoxRequest Publish(const std::function<void()>& run) {
  ScriptedMessages messages;
  EXPECT_THROW(run(), vb::EndProgram);
  EXPECT_EQ(messages.shown().size(), 1u);
  return messages.shown().empty() ? vb::MessageBoxRequest{} : messages.shown()[0];
}

void UpdateFromTheManager(const std::string& folder) {
  common::BulletinRecordFile store;
  store.Open(folder + "ovtask.dat", 1143);
  tasks::UpdateTaskPage(folder, store);
}

// The manager's run on a store made read-only after the manager opened it,
// as a member of staff meets one that only the school's administrator may
// write (root too, its override set aside).
void UpdateOnAStoreMadeReadOnly(const std::string& folder) {
  common::BulletinRecordFile store;
  store.Open(folder + "ovtask.dat", 1143);
  fs::permissions(folder + "ovtask.dat", fs::perms::owner_read | fs::perms::group_read);
  testing_support::NoFileOverride as_staff;
  tasks::UpdateTaskPage(folder, store);
}

}  // namespace

// The manager compacts first, the submitter writes from the store as it is;
// both list the open tasks, oldest first.
TEST(TaskPage, ListsTheOpenTasksOldestFirst) {
  const std::string golden = testing_support::ReadFile(fs::path(ORVANE_TASK_PAGES_DIR) / "ovtask.htm");
  const struct {
    std::function<void(const std::string&)> run;
    std::string store_after;
  } callers[] = {{tasks::WriteTaskPage, kStore}, {UpdateFromTheManager, kOpen1 + kComplete2 + kOpen4}};
  for (const auto& caller : callers) {
    tasks_test::TaskFolder tools;
    tools.Write("ovtask.dat", kStore);
    const auto box = Publish([&] { caller.run(tools.folder()); });
    EXPECT_EQ(box.text, kSuccess);
    EXPECT_EQ(box.title, "Success");
    EXPECT_EQ(box.style, vb::vbInformation);
    EXPECT_EQ(tools.Read("ovtask.htm"), golden);
    EXPECT_EQ(tools.Read("ovtask.dat"), caller.store_after);
    EXPECT_FALSE(fs::exists(tools.file("ovtask.new")));
  }
}

TEST(TaskPage, FailedRunsSayWhyAndKeepTheStore) {
  // A page name that is a folder: the page cannot be opened, the first line fails.
  {
    tasks_test::TaskFolder tools;
    tools.Write("ovtask.dat", kStore);
    fs::create_directory(tools.file("ovtask.htm"));
    EXPECT_EQ(Publish([&] { tasks::WriteTaskPage(tools.folder()); }).text, "Error Code: 52 detected during refresh.");
    EXPECT_TRUE(fs::is_directory(tools.file("ovtask.htm")));
  }
  // A read-only store is not replaced: the page is made from it as it is,
  // and the compacted copy stays beside it.
  {
    tasks_test::TaskFolder tools;
    tools.Write("ovtask.dat", kStore);
    EXPECT_EQ(Publish([&] { UpdateOnAStoreMadeReadOnly(tools.folder()); }).text, kSuccess);
    EXPECT_EQ(tools.Read("ovtask.dat"), kStore);
    EXPECT_EQ(tools.Read("ovtask.new"), kOpen1 + kComplete2 + kOpen4);
    EXPECT_NE(tools.Read("ovtask.htm").find("No</b> sound"), std::string::npos);
  }
}

// A disk that fills while the compacted copy is written.
TEST(TaskPage, AFullDiskDuringTheCompactionKeepsTheStore) {
  testing_support::SmallTmpfs disk(64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << "no tmpfs may be mounted here (only root may mount one)";
  const std::string folder = disk.folder().string() + "/";
  testing_support::WriteFile(disk.folder() / "ovtask.dat", kStore);
  disk.FillLeaving(2048);
  EXPECT_EQ(Publish([&] { UpdateFromTheManager(folder); }).text, "Error Code: 61 detected during refresh.");
  EXPECT_EQ(testing_support::ReadFile(disk.folder() / "ovtask.dat"), kStore);
  EXPECT_FALSE(fs::exists(disk.folder() / "ovtask.new"));
  EXPECT_FALSE(fs::exists(disk.folder() / "ovtask.htm"));
}
