#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "sortlib/xr_merge.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/temp_drives.h"

using testing_support::ReadFile;
using testing_support::WriteFile;
using xrsort::TXRFileMerge;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class MergeTest : public ::testing::Test {
 protected:
  MergeTest() {
    merger_.TempPath = drives_.drive('C').string() + "/";
    merger_.Prefix = "$XRsort";
    merger_.Extension = ".tmp";
    merger_.OnMessage = [this](const std::string& text) { messages_.push_back(text); };
  }

  void WriteRun(int number, const std::string& bytes) {
    WriteFile(merger_.RunFileName(number), bytes);
  }

  Lines Leftovers() { return sort_test::NamesIn(drives_.drive('C')); }

  testing_support::TempDrives drives_{"C"};
  TXRFileMerge merger_;
  Lines messages_;
  xrsort::TSortSpecs no_keys_;
};

}  // namespace

TEST_F(MergeTest, FifoScheduleOfTwelveRuns) {
  std::string all;
  for (int i = 0; i < 12; ++i) {
    const std::string line = std::string(1, static_cast<char>('a' + (i * 5) % 12)) + "\r\n";
    WriteRun(i, line);
  }
  const std::string final_name = merger_.TempPath + "$XRsort.tmp";
  EXPECT_EQ(merger_.RunFileName(12), merger_.TempPath + "$XRsort12.tmp");
  ASSERT_TRUE(merger_.MergeAll(final_name, 5, 0, 11, no_keys_));
  EXPECT_EQ(messages_, (Lines{"Merging files 0 - 4 into 12", "Merging files 5 - 9 into 13",
                              "Merging files 10 - 13 into 14"}));
  EXPECT_EQ(ReadFile(final_name), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n");
  EXPECT_EQ(Leftovers(), (Lines{"$XRsort.tmp"}));
}

TEST_F(MergeTest, WidthIsClampedAndTiesGoToTheLowerRun) {
  WriteRun(0, "k 0\r\n");
  WriteRun(1, "k 1\r\n");
  WriteRun(2, "k 2\r\n");
  xrsort::TSortSpecs keys;
  xrsort::TSortFieldSpec spec;
  spec.FromColumn = 1;
  spec.KeyLength = 1;
  keys.push_back(spec);
  ASSERT_TRUE(merger_.MergeAll(merger_.TempPath + "final", 1, 0, 2, keys));
  EXPECT_EQ(merger_.Width, 2);
  EXPECT_EQ(messages_, (Lines{"Merging files 0 - 1 into 3", "Merging files 2 - 3 into 4"}));
  // Run 2 came first in the second merge's group.
  EXPECT_EQ(ReadFile(merger_.TempPath + "final"), "k 2\r\nk 0\r\nk 1\r\n");
  messages_.clear();
  for (int i = 0; i < 6; ++i) WriteRun(10 + i, "");
  ASSERT_TRUE(merger_.MergeAll(merger_.TempPath + "empty", 9, 10, 15, keys));
  EXPECT_EQ(merger_.Width, 5);
  EXPECT_EQ(messages_, (Lines{"Merging files 10 - 14 into 16", "Merging files 15 - 16 into 17"}));
  EXPECT_EQ(ReadFile(merger_.TempPath + "empty"), "");
}

TEST_F(MergeTest, AnExistingFinalFileFailsTheRename) {
  WriteRun(0, "b\r\n");
  WriteRun(1, "a\r\n");
  WriteFile(merger_.TempPath + "$XRsort.tmp", "stale\r\n");
  EXPECT_FALSE(merger_.MergeAll(merger_.TempPath + "$XRsort.tmp", 5, 0, 1, no_keys_));
  EXPECT_EQ(ReadFile(merger_.TempPath + "$XRsort.tmp"), "stale\r\n");
  EXPECT_EQ(ReadFile(merger_.RunFileName(2)), "a\r\nb\r\n");
}

TEST_F(MergeTest, AMissingRunOrAnOccupiedOutputFailsTheMerge) {
  WriteRun(0, "a\r\n");
  EXPECT_FALSE(merger_.MergeRuns(0, 1, no_keys_, 2));
  EXPECT_FALSE(fs::exists(merger_.RunFileName(2)));
  WriteRun(1, "b\r\n");
  WriteFile(merger_.RunFileName(2), "someone else's\r\n");
  EXPECT_FALSE(merger_.MergeRuns(0, 1, no_keys_, 2));
  EXPECT_EQ(ReadFile(merger_.RunFileName(2)), "someone else's\r\n");
  // More runs than slots are refused, not merged into slots that do not exist.
  for (int i = 3; i < 10; ++i) WriteRun(i, "c\r\n");
  EXPECT_FALSE(merger_.MergeRuns(3, 9, no_keys_, 10));
  merger_.Width = 2;
  EXPECT_FALSE(merger_.MergeRuns(3, 5, no_keys_, 10));
  EXPECT_FALSE(fs::exists(merger_.RunFileName(10)));
  EXPECT_TRUE(fs::exists(merger_.RunFileName(3)));
}

TEST_F(MergeTest, FixedRecordsMergeWithoutLineEnds) {
  merger_.SetRecordLength(3);
  WriteRun(0, "aaaccc");
  WriteRun(1, "bbbddd");
  ASSERT_TRUE(merger_.MergeAll(merger_.TempPath + "final", 5, 0, 1, no_keys_));
  EXPECT_EQ(ReadFile(merger_.TempPath + "final"), "aaabbbcccddd");
}
