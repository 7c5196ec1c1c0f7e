#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
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
    const char* output;
  } cases[] = {
      {"the final file renamed", nullptr, "/T=D:\\tmp", "a\r\nb\r\nb\r\n"},
      {"the result written beside the output", nullptr, "/T=D:\\tmp /D", "a\r\nb\r\n"},
      {"the final file copied from another file system", "/dev/shm", "/T=TMP", "a\r\nb\r\nb\r\n"},
  };
  // An output of several stretches goes on to the disk while it is written.
  std::string big_in, big_out;
  for (int i = 0; i < 1000000; ++i) big_in += std::to_string(10000000 + i * 7919LL % 1000000) + "\n";
  for (int i = 0; i < 1000000; ++i) big_out += std::to_string(10000000 + i) + "\r\n";
  std::string skipped;
  for (const Case& c : cases) {
    if (c.work_folder && !second_file_system) {
      skipped = std::string(c.road) + ": /dev/shm is no second file system here";
      continue;
    }
    sort_test::TmpDirOverride tmp(c.work_folder ? c.work_folder : (d / "tmp").c_str());
    const std::string command = std::string(c.switches) + " D:\\in.txt D:\\out.txt";
    for (const bool big : {false, true}) {
      const std::string output = big ? big_out : c.output;
      testing_support::WriteFile(d / "in.txt", big ? big_in : "b\na\nb\n");
      testing_support::WriteFile(d / "out.txt", "old\r\n");
      {
        FileCallLog log;
        ASSERT_EQ(SortFile(command.c_str(), nullptr), -1) << c.road;
        EXPECT_EQ(ReplaceFault(log.Calls(), (d / "out.txt").string()), "") << c.road;
        EXPECT_TRUE(testing_support::ReadFile(d / "out.txt") == output) << c.road << " " << big;
      }
      // A file system that offers no sync has nothing to flush; a failing
      // one fails the sort and leaves the old output.
      for (const int error : {EINVAL, ENOTSUP, EIO}) {
        testing_support::WriteFile(d / "out.txt", "old\r\n");
        FileCallLog log;
        log.FailEverySync(error);
        EXPECT_EQ(SortFile(command.c_str(), nullptr), error == EIO ? 0 : -1) << c.road << " " << error;
        EXPECT_TRUE(testing_support::ReadFile(d / "out.txt") == (error == EIO ? "old\r\n" : output))
            << c.road << " " << error << " " << big;
      }
    }
  }
  if (!skipped.empty()) GTEST_SKIP() << skipped;
}

}  // namespace
