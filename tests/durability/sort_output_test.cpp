#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "sortlib/XRsortLib.h"
#include "tests/durability/file_call_log.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/temp_drives.h"

using testing_support::FileCallLog;
using testing_support::ReplaceFault;
namespace fs = std::filesystem;

namespace {

// Every road by which the sort puts its output in place syncs the file
// before the rename and the output's folder after it.
TEST(SortOutputTest, OutputIsSyncedBeforeItsRenameAndItsFolderAfter) {
  testing_support::TempDrives drives("D");
  const fs::path d = drives.drive('D');
  fs::create_directories(d / "tmp");
  struct stat shm {}, drive {};
  const bool second_file_system =
      ::stat("/dev/shm", &shm) == 0 && ::stat(d.c_str(), &drive) == 0 && shm.st_dev != drive.st_dev;
  struct Case {
    const char* road;
    const char* work_folder;  // $TMPDIR for /T=TMP
    const char* switches;
  } cases[] = {
      {"the final file renamed", nullptr, "/T=D:\\tmp"},
      {"the result written beside the output", nullptr, "/T=D:\\tmp /D"},
      {"the final file copied from another file system", "/dev/shm", "/T=TMP"},
  };
  std::string skipped;
  for (const Case& c : cases) {
    if (c.work_folder && !second_file_system) {
      skipped = std::string(c.road) + ": /dev/shm is no second file system here";
      continue;
    }
    testing_support::WriteFile(d / "in.txt", "b\na\nb\n");
    testing_support::WriteFile(d / "out.txt", "old\r\n");
    sort_test::TmpDirOverride tmp(c.work_folder ? c.work_folder : (d / "tmp").c_str());
    FileCallLog log;
    ASSERT_EQ(SortFile((std::string(c.switches) + " D:\\in.txt D:\\out.txt").c_str(), nullptr), -1) << c.road;
    EXPECT_EQ(ReplaceFault(log.Calls(), (d / "out.txt").string()), "") << c.road;
  }
  if (!skipped.empty()) GTEST_SKIP() << skipped;
}

}  // namespace
