#include "tasks/task_csv.h"

#include <gtest/gtest.h>

#include "tests/support/error_of.h"
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
