#include "tasks/task_store.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <thread>

#include "tasks/task_record.h"
#include "tests/support/error_of.h"
#include "tests/tasks/task_folder.h"

using tasks_test::TaskRecordBytes;

extern char** environ;

namespace {

tasks::NewTask Request(const std::string& subject) {
  return {subject, "Jams\r\non tray 2", "J Smith", "03/12/26", "10.0.0.5         ", "Annex", "Printer"};
}

pid_t Spawn(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  EXPECT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
  return pid;
}

int ExitCode(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(TaskStore, AppendsWholeRecordsAfterWhateverIsThere) {
  tasks_test::TaskFolder tools;
  tasks::AppendTaskRecord(tools.folder(), {"  Tray 2  ", "Jams", "J Smith", "03/12/26", "10.0.0.5         ",
                                           "Annex", "Printer"});
  const std::string first =
      TaskRecordBytes('1', "Tray 2", "Jams", "J Smith", "03/12/26", "10.0.0.5", "Annex", "Printer", '0');
  EXPECT_EQ(tools.Read("ovtask.dat"), first);

  // Fields too long for their place are cut; a partial tail shorter than half
  // a record is written over.
  const std::string long_site(25, 's');
  const std::string full_body(1000, 'b');
  tools.Write("ovtask.dat", first + first + first + std::string(571, 'x'));
  tasks::AppendTaskRecord(tools.folder(), {std::string(60, 't'), full_body, std::string(30, 'n'), "03/12/26",
                                           "1.2.3.4          ", long_site, "Printer", });
  const std::string store = tools.Read("ovtask.dat");
  ASSERT_EQ(store.size(), 4u * 1143);
  EXPECT_EQ(store.substr(3429), TaskRecordBytes('1', std::string(50, 't'), full_body, std::string(25, 'n'),
                                                "03/12/26", "1.2.3.4", std::string(20, 's'), "Printer", '0'));

  EXPECT_EQ(tasks::DeletedTaskRecord(), TaskRecordBytes('D', "This task has been deleted.", "", "", "", "",
                                                        "", "", ' '));
  EXPECT_EQ(tasks::ReadTaskFields(tasks::DeletedTaskRecord()).title, "This task has been deleted.");

  std::filesystem::remove(tools.file("ovtask.dat"));
  std::filesystem::create_directory(tools.file("ovtask.dat"));
  EXPECT_NE(testing_support::ErrorOf([&] { tasks::AppendTaskRecord(tools.folder(), Request("x")); }), 0);
}

TEST(TaskStore, AppendsWaitForTheStoreLockAndOneManagerRunsAtATime) {
  tasks_test::TaskFolder tools;
  // An append, and the store put back from a compaction cut short before its
  // rename, wait for a compaction under way.
  const std::function<void()> writers[] = {
      [&] { tasks::AppendTaskRecord(tools.folder(), Request("waits")); },
      [&] { tasks::RestoreTaskStore(tools.folder()); },
  };
  for (const auto& write : writers) {
    std::atomic<bool> written{false};
    std::thread tool;
    {
      tasks::StoreLock compacting(tools.folder());
      tool = std::thread([&] {
        write();
        written = true;
      });
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      EXPECT_FALSE(written);
    }
    tool.join();
    EXPECT_EQ(tools.Read("ovtask.dat").size(), 1143u);
    std::filesystem::rename(tools.file("ovtask.dat"), tools.file("ovtask.new"));
  }

  {
    tasks::ManagerLock first(tools.folder());
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(tasks::ManagerLock(tools.folder()).held());
    tasks::AppendTaskRecord(tools.folder(), Request("not kept waiting"));
  }
  EXPECT_TRUE(tasks::ManagerLock(tools.folder()).held());
}

// Every staff account appends under "ovtask.lck", so the lock file is open
// to all whatever the umask of the one who made it; a link in its place is
// never followed, and the request is then not stored.
TEST(TaskStore, TheStoreLockIsOpenToEveryStaffAccountAndNeverALink) {
  const struct {
    mode_t umask;
    int old_mode;  // of an ovtask.lck already there, or -1
  } modes[] = {{022, -1}, {077, -1}, {022, 0600}};
  for (const auto& c : modes) {
    SCOPED_TRACE(::testing::Message() << "umask " << std::oct << c.umask);
    tasks_test::TaskFolder tools;
    if (c.old_mode >= 0) {
      tools.Write("ovtask.lck", "");
      std::filesystem::permissions(tools.file("ovtask.lck"), std::filesystem::perms(c.old_mode));
    }
    const mode_t saved = ::umask(c.umask);
    tasks::AppendTaskRecord(tools.folder(), Request("x"));
    ::umask(saved);
    struct stat st {};
    ASSERT_EQ(::stat(tools.file("ovtask.lck").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
  }

  const auto owner_only = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  for (bool target_exists : {true, false}) {
    SCOPED_TRACE(target_exists ? "a link to a file" : "a dangling link");
    tasks_test::TaskFolder tools;
    const std::filesystem::path target = tools.file("elsewhere");
    if (target_exists) {
      tools.Write("elsewhere", "not the tool's");
      std::filesystem::permissions(target, owner_only);
    }
    std::filesystem::create_symlink(target, tools.file("ovtask.lck"));
    EXPECT_EQ(testing_support::ErrorOf([&] { tasks::AppendTaskRecord(tools.folder(), Request("x")); }), 70);
    EXPECT_FALSE(std::filesystem::exists(tools.file("ovtask.dat")));
    EXPECT_EQ(std::filesystem::exists(target), target_exists);
    if (target_exists) {
      EXPECT_EQ(tools.Read("elsewhere"), "not the tool's");
      EXPECT_EQ(std::filesystem::status(target).permissions(), owner_only);
    }
  }
}

// Two submitters append 200 requests each while a manager compacts the store
// and publishes the page again and again: no request is lost.
TEST(TaskStore, ConcurrentAppendsSurviveCompaction) {
  tasks_test::TaskFolder tools;
  tools.Write("ovtask.dat", tasks_test::StoreOfStatuses("1D0D"));
  const std::string writer = ORVANE_STORE_WRITER;
  const pid_t compactor = Spawn({writer, "compact", tools.folder()});
  const pid_t first = Spawn({writer, "append", tools.folder(), "A", "200"});
  const pid_t second = Spawn({writer, "append", tools.folder(), "B", "200"});
  EXPECT_EQ(ExitCode(first), 0);
  EXPECT_EQ(ExitCode(second), 0);
  tools.Write("stop", "");
  const int compactions = ExitCode(compactor);
  EXPECT_GE(compactions, 2);

  std::map<std::string, int> seen;
  const std::string store = tools.Read("ovtask.dat");
  ASSERT_EQ(store.size() % 1143, 0u);
  for (size_t at = 0; at < store.size(); at += 1143) {
    ++seen[tasks::ReadTaskFields(store.substr(at, 1143)).title];
  }
  EXPECT_EQ(seen.size(), 402u);
  for (int i = 1; i <= 200; ++i) {
    EXPECT_EQ(seen["A" + std::to_string(i)], 1) << i;
    EXPECT_EQ(seen["B" + std::to_string(i)], 1) << i;
  }
}
