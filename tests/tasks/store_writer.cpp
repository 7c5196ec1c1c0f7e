// A program that writes the task store as the task tools do, for the test of
// concurrent writers: "append <folder> <tag> <count>" appends the requests
// <tag>1 .. <tag><count>; "compact <folder>" publishes the page again and
// again, compacting the store each time, until "<folder>stop" exists, and
// exits with the number of compactions.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/bulletin_record_file.h"
#include "platform/msgbox.h"
#include "platform/vb_error.h"
#include "tasks/task_page.h"
#include "tasks/task_record.h"
#include "tasks/task_store.h"

int main(int argc, char** argv) {
  if (argc < 3) return 100;
  const std::string mode = argv[1];
  const std::string folder = argv[2];
  vb::SetMessageBoxHandler([](const vb::MessageBoxRequest&) { return static_cast<int>(vb::vbOK); });
  if (mode == "append" && argc == 5) {
    const int count = std::atoi(argv[4]);
    for (int i = 1; i <= count; ++i) {
      tasks::AppendTaskRecord(folder, {argv[3] + std::to_string(i), "Body", "Name", "01/02/03",
                                       "10.0.0.1         ", "Site", "Category"});
    }
    return 0;
  }
  if (mode == "compact") {
    int compactions = 0;
    while (::access((folder + "stop").c_str(), F_OK) != 0) {
      common::BulletinRecordFile store;
      store.Open(tasks::TaskStorePath(folder), tasks::kTaskRecordLength);
      try {
        tasks::UpdateTaskPage(folder, store);
      } catch (const vb::EndProgram&) {
        ++compactions;
      }
    }
    return compactions > 99 ? 99 : compactions;
  }
  return 100;
}
