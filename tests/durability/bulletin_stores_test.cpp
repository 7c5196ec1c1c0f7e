// The bulletin tools' stores on the disk: a store replaced whole is synced
// before its rename and its folder after, an append is synced inside its
// put-back, approvals reach the disk before the submissions are emptied, and
// every record saved in place is synced.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "common/bulletin_record_file.h"
#include "common/news_record.h"
#include "news/news_editor.h"
#include "platform/vb_error.h"
#include "tasks/task_browser.h"
#include "tasks/task_csv.h"
#include "tasks/task_record.h"
#include "tasks/task_store.h"
#include "tests/durability/file_call_log.h"
#include "tests/news/news_fixture.h"
#include "tests/support/error_of.h"
#include "tests/support/recording_opener.h"
#include "tests/support/temp_drives.h"
#include "tests/tasks/task_folder.h"

using news_test::kToolFolder;
using news_test::NewsSite;
using news_test::Records;
using testing_support::FileCallLog;
using testing_support::ReadFile;
using testing_support::ReplaceFault;
using testing_support::SyncFault;
namespace fs = std::filesystem;

namespace {

// The news tool started on `site`; its boxes are recorded there.
struct StartedNewsTool {
  explicit StartedNewsTool(NewsSite& site) {
    site.WriteIni();
    editor.Start();
    site.messages.clear();
  }
  news::NewsEditor editor{kToolFolder};
};

// What the news tool told last before it ended; "" when it did not end.
std::string EndingBox(NewsSite& site, const std::function<void()>& action) {
  try {
    action();
  } catch (const vb::EndProgram&) {
    return site.Texts().empty() ? "(no box)" : site.Texts().back();
  }
  return "";
}

// Runs the manager's export of the task store in `folder`.
template <tasks::TaskSelection selection>
void Export(const std::string& folder) {
  common::BulletinRecordFile store;
  store.Open(folder + "ovtask.dat", tasks::kTaskRecordLength);
  tasks::ExportTasks(folder, store, selection, "09/12/26");
}

TEST(BulletinStores, ReplacedFilesAreSyncedBeforeAndAfterTheirRename) {
  struct Case {
    const char* name;
    void (*replace)(const std::string& folder);
    const char* target;
  } cases[] = {
      {"compaction",
       [](const std::string& folder) {
         common::BulletinRecordFile store;
         store.Open(folder + "ovnews.dat", common::kNewsRecordLength);
         common::CompactRecordFile(store, folder, "ovnews");
       },
       "ovnews.dat"},
      {"export of all tasks", Export<tasks::TaskSelection::kAll>, "ovalltasks.csv"},
      {"export of the complete tasks", Export<tasks::TaskSelection::kCompleteTasks>, "ovcomptasks.csv"},
      {"export of the open tasks", Export<tasks::TaskSelection::kIncompleteTasks>, "ovincomptasks.csv"},
  };
  for (const Case& c : cases) {
    testing_support::TempDrives drives("D");
    const fs::path folder = drives.drive('D') / "f";
    testing_support::WriteFile(folder / "ovnews.dat", Records("1D", "AB"));
    testing_support::WriteFile(folder / "ovtask.dat", tasks_test::StoreOfStatuses("01D"));
    testing_support::WriteFile(folder / c.target, "old");
    testing_support::RecordingOpener opener(drives.root());
    FileCallLog log;
    c.replace("D:\\f\\");
    EXPECT_EQ(ReplaceFault(log.Calls(), (folder / c.target).string()), "") << c.name;
  }
}

// A sync that fails after an append puts the store back as it was, and
// syncs it, so that the task submitted again, or the item approved again, is
// stored once; an approval stopped later is finished by the next start.
TEST(BulletinStores, AFailingSyncPutsTheAppendBack) {
  const std::string tasks_before = tasks_test::StoreOfStatuses("01");
  const std::string news_before = Records("1", "A");
  {
    tasks_test::TaskFolder tools;
    tools.Write("ovtask.dat", tasks_before);
    FileCallLog log;
    log.FailSyncOf(tools.file("ovtask.dat").string(), EIO, true);
    EXPECT_EQ(testing_support::ErrorOf([&] {
                tasks::AppendTaskRecord(tools.folder(), {"Printer", "Jams", "Jo", "09/12/26", "10.0.0.9",
                                                         "Hall", "Printer"});
              }),
              57);
    EXPECT_EQ(tools.Read("ovtask.dat"), tasks_before) << "task submission";
    EXPECT_EQ(SyncFault(log.Calls(), testing_support::LoggedPath(tools.file("ovtask.dat")), log.Calls().size()), "");
  }
  const struct {
    const char* fails;  // the sync, or the write, of this file of the news folder
    bool write;
    bool stored;  // the item is in the store after the next start, and its submission processed
  } approvals[] = {
      {"ovnews.dat", false, false},
      {"ovnews.dat", true, false},
      {"submit/ovnewssub.dat", true, true},
  };
  for (const auto& c : approvals) {
    SCOPED_TRACE(std::string(c.write ? "write of " : "sync of ") + c.fails);
    NewsSite site;
    site.WriteStore(news_before);
    site.WriteSubmissions(Records("0", "B"));
    {
      StartedNewsTool tool(site);
      FileCallLog log;
      if (c.write) log.FailWriteOf(site.Tool(c.fails).string(), EIO);
      if (!c.write) log.FailSyncOf(site.Tool(c.fails).string(), EIO, true);
      EXPECT_EQ(EndingBox(site, [&] { tool.editor.ApproveItem({"B", "Body of B", "Jo B", true}); }),
                "Error Code: 57 detected.");
      const std::string store = testing_support::LoggedPath(site.Tool("ovnews.dat"));
      if (!c.write) {
        EXPECT_EQ(SyncFault(log.Calls(), store, log.Calls().size()), "") << "the put-back is synced";
      }
    }
    StartedNewsTool again(site);
    if (!c.stored) {
      EXPECT_EQ(ReadFile(site.Tool("ovnews.dat")), news_before);
    }
    EXPECT_EQ(NewsSite::Summary(site.Store()), c.stored ? "1A 1B" : "1A");
    EXPECT_EQ(NewsSite::Summary(site.Submissions()), c.stored ? "D_" : "0B");
    EXPECT_FALSE(fs::exists(site.Tool("ovnews.apr")));
  }
}

// The same item submitted twice is approved twice.
TEST(BulletinStores, ApprovalsAreSyncedBeforeTheSubmissionsAreEmptied) {
  NewsSite site;
  site.WriteSubmissions(Records("00", "AB") + Records("0", "B"));
  StartedNewsTool tool(site);
  FileCallLog log;
  tool.editor.ApproveItem({"A", "Body of A", "Jo A", true});
  tool.editor.ApproveItem({"B", "Body of B", "Jo B", true});
  tool.editor.ApproveItem({"B", "Body of B", "Jo B", true});
  const auto calls = log.Calls();
  const size_t emptied = testing_support::PositionOf(calls, "truncate", testing_support::LoggedPath(
                                                                            site.Submit("ovnewssub.dat").string()));
  ASSERT_LT(emptied, calls.size());
  EXPECT_EQ(SyncFault(calls, testing_support::LoggedPath(site.Tool("ovnews.dat").string()), emptied), "");
  EXPECT_EQ(NewsSite::Summary(site.Store()), "1A 1B 1B");
}

// Each record written in place is synced once written, and a sync that fails
// is told as the failed save it is.
TEST(BulletinStores, RecordsSavedInPlaceAreSynced) {
  struct Saved {
    std::string store;  // the file saved into
    std::string told;   // what a failing sync makes the tool tell
  };
  // Runs one save; with `failing`, every sync of the store fails.
  using Save = std::function<Saved(FileCallLog& log, bool failing)>;
  auto manager = [](void (*save)(tasks::TaskBrowser&)) -> Save {
    return [save](FileCallLog& log, bool failing) {
      tasks_test::TaskFolder tools;
      tools.Write("ovtask.dat", tasks_test::StoreOfStatuses("00"));
      common::BulletinRecordFile store;
      store.Open(tools.folder() + "ovtask.dat", tasks::kTaskRecordLength);
      tasks::TaskBrowser browser(store, common::ScanLiveRecords(store));
      browser.ShowCurrentTask();
      const std::string path = tools.file("ovtask.dat").string();
      if (failing) log.FailSyncOf(path, EIO);
      const int error = testing_support::ErrorOf([&] { save(browser); });
      return Saved{path, error ? "error " + std::to_string(error) : ""};
    };
  };
  auto news_tool = [](const char* submissions, const char* file, void (*save)(news::NewsEditor&)) -> Save {
    return [=](FileCallLog& log, bool failing) {
      NewsSite site;
      site.WriteStore(Records("11", "AB"));
      if (*submissions) site.WriteSubmissions(Records(submissions, "CD"));
      StartedNewsTool tool(site);
      const std::string path = site.Tool(file).string();
      if (failing) log.FailSyncOf(path, EIO);
      return Saved{path, EndingBox(site, [&] { save(tool.editor); })};
    };
  };
  const struct Case {
    const char* name;
    Save save;
    const char* told;
  } cases[] = {
      {"manager's save of the shown task",
       manager([](tasks::TaskBrowser& b) { b.SaveCurrentTask({true, "Edited", "Body", "Jo", "09/12/26", "10.0.0.9", "Hall",
                                                             "Printer", 1}); }),
       "error 57"},
      {"manager's delete", manager([](tasks::TaskBrowser& b) { b.DeleteShownTask(); }), "error 57"},
      {"news item saved on a move", news_tool("", "ovnews.dat", [](news::NewsEditor& e) {
         e.ShowOlder({"Edited", "Body", "Jo", true});
       }),
       "Error Code: 57 detected."},
      {"news item deleted", news_tool("", "ovnews.dat", [](news::NewsEditor& e) { e.DeleteItem(); }),
       "Error Code: 57 detected."},
      {"submission marked approved", news_tool("00", "submit/ovnewssub.dat", [](news::NewsEditor& e) {
         e.ApproveItem({"C", "Body of C", "Jo C", true});
       }),
       "Error Code: 57 detected."},
      {"submission deleted", news_tool("00", "submit/ovnewssub.dat", [](news::NewsEditor& e) { e.DeleteItem(); }),
       "Error Code: 57 detected."},
  };
  for (const Case& c : cases) {
    {
      FileCallLog log;
      const Saved saved = c.save(log, false);
      EXPECT_EQ(saved.told, "") << c.name;
      const auto calls = log.Calls();
      EXPECT_EQ(SyncFault(calls, testing_support::LoggedPath(saved.store), calls.size()), "") << c.name;
    }
    FileCallLog log;
    EXPECT_EQ(c.save(log, true).told, c.told) << c.name;
  }
}

}  // namespace
