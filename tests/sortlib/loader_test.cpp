#include <gtest/gtest.h>

#include "sortlib/sort_loader.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_drives.h"

using testing_support::ErrorOf;
using testing_support::ReadFile;
using testing_support::WriteFile;

// These run in order: the library is kept once it has loaded.
TEST(SortLoader, AMissingLibraryOrCallRaises) {
  testing_support::TempDrives drives("C");
  EXPECT_EQ(ErrorOf([&] { xrsort::SortFile(drives.drive('C').string() + "/", "x y"); }), 53);
  EXPECT_EQ(ErrorOf([] { xrsort::SortFile(XRSORT_TEST_STUB_DIR, "x y"); }), 453);
}

TEST(SortLoader, SortsThroughTheBuiltLibrary) {
  testing_support::TempDrives drives("D");
  WriteFile(drives.drive('D') / "orvane/ovshrtct.srt",
            "zzStudent Master,masterstudent,3b,year3\r\nSmith Anna,smith_anna,3b,year3\r\n");
  EXPECT_EQ(xrsort::SortFile(XRSORT_TEST_PROGRAM_DIR,
                             "/T=TMP D:\\orvane\\ovshrtct.srt D:\\orvane\\ovshrtct.dat"),
            -1);
  EXPECT_EQ(ReadFile(drives.drive('D') / "orvane/ovshrtct.dat"),
            "Smith Anna,smith_anna,3b,year3\r\nzzStudent Master,masterstudent,3b,year3\r\n");
  EXPECT_EQ(xrsort::LastSortError(XRSORT_TEST_PROGRAM_DIR), "");
  EXPECT_EQ(xrsort::SortFile(XRSORT_TEST_PROGRAM_DIR, "/T=TMP D:\\orvane\\none.srt D:\\x.dat"), 0);
  EXPECT_EQ(xrsort::LastSortError(XRSORT_TEST_PROGRAM_DIR), "File D:\\orvane\\none.srt not found");
}
