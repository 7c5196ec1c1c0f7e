#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/bulletin_record_file.h"
#include "common/news_record.h"
#include "tests/durability/file_call_log.h"
#include "tests/support/bulletin_files.h"
#include "tests/support/temp_drives.h"

using testing_support::FileCallLog;
using testing_support::NewsRecordBytes;
using testing_support::ReplaceFault;
namespace fs = std::filesystem;

namespace {

class BulletinStoresTest : public ::testing::Test {
 protected:
  fs::path D(const std::string& name) const { return drives_.drive('D') / name; }
  testing_support::TempDrives drives_{"D"};
};

// Each store replaced whole reaches the disk before its rename, and the
// rename before anything else.
TEST_F(BulletinStoresTest, ReplacedStoresAreSyncedBeforeAndAfterTheirRename) {
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
  };
  for (const Case& c : cases) {
    fs::remove_all(D("news"));
    testing_support::WriteFile(D("news/ovnews.dat"),
                               NewsRecordBytes('1', "kept") + NewsRecordBytes('D', "gone"));
    FileCallLog log;
    c.replace("D:\\news\\");
    EXPECT_EQ(ReplaceFault(log.Calls(), D("news/" + std::string(c.target))), "") << c.name;
  }
}

}  // namespace
