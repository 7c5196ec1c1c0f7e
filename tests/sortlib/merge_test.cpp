#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "sortlib/xr_merge.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/page_text.h"
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
  std::string Temp(const std::string& name) { return merger_.TempPath + name; }

  testing_support::TempDrives drives_{"C"};
  TXRFileMerge merger_;
  Lines messages_;
  xrsort::TSortSpecs no_keys_;
};

}  // namespace

TEST_F(MergeTest, FifoScheduleOfTwelveRuns) {
  for (int i = 0; i < 12; ++i) WriteRun(i, std::string(1, static_cast<char>('a' + (i * 5) % 12)) + "\r\n");
  EXPECT_EQ(merger_.RunFileName(12), Temp("$XRsort12.tmp"));
  ASSERT_TRUE(merger_.MergeAll(Temp("$XRsort.tmp"), 5, 0, 11, no_keys_));
  EXPECT_EQ(messages_, (Lines{"Merging files 0 - 4 into 12", "Merging files 5 - 9 into 13",
                              "Merging files 10 - 13 into 14"}));
  EXPECT_EQ(ReadFile(Temp("$XRsort.tmp")), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n");
  EXPECT_EQ(sort_test::NamesIn(drives_.drive('C')), (Lines{"$XRsort.tmp"}));
}

TEST_F(MergeTest, WidthIsClampedAndTiesGoToTheLowerRun) {
  for (int i = 0; i < 3; ++i) WriteRun(i, "k " + std::to_string(i) + "\r\n");
  xrsort::TSortSpecs keys(1);
  keys[0].FromColumn = 1;
  keys[0].KeyLength = 1;
  ASSERT_TRUE(merger_.MergeAll(Temp("final"), 1, 0, 2, keys));
  EXPECT_EQ(messages_, (Lines{"Merging files 0 - 1 into 3", "Merging files 2 - 3 into 4"}));
  // Run 2 came first in the second merge's group.
  EXPECT_EQ(ReadFile(Temp("final")), "k 2\r\nk 0\r\nk 1\r\n");
  messages_.clear();
  for (int i = 0; i < 6; ++i) WriteRun(10 + i, "");
  ASSERT_TRUE(merger_.MergeAll(Temp("empty"), 9, 10, 15, keys));
  EXPECT_EQ(messages_, (Lines{"Merging files 10 - 14 into 16", "Merging files 15 - 16 into 17"}));
  EXPECT_EQ(ReadFile(Temp("empty")), "");
}

// A merge never writes over a file it did not make, nor past its slots.
TEST_F(MergeTest, FailuresLeaveOtherFilesAlone) {
  WriteRun(0, "b\r\n");
  WriteRun(1, "a\r\n");
  WriteFile(Temp("$XRsort.tmp"), "stale\r\n");
  EXPECT_FALSE(merger_.MergeAll(Temp("$XRsort.tmp"), 5, 0, 1, no_keys_));
  EXPECT_EQ(ReadFile(Temp("$XRsort.tmp")), "stale\r\n");
  EXPECT_EQ(ReadFile(merger_.RunFileName(2)), "a\r\nb\r\n");

  WriteRun(0, "b\r\n");
  WriteRun(1, "a\r\n");
  EXPECT_FALSE(merger_.MergeRuns(0, 1, no_keys_, 2));  // the output is there
  EXPECT_EQ(ReadFile(merger_.RunFileName(2)), "a\r\nb\r\n");
  EXPECT_FALSE(merger_.MergeRuns(0, 3, no_keys_, 4));  // run 3 is missing
  EXPECT_FALSE(fs::exists(merger_.RunFileName(4)));
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
  ASSERT_TRUE(merger_.MergeAll(Temp("final"), 5, 0, 1, no_keys_));
  EXPECT_EQ(ReadFile(Temp("final")), "aaabbbcccddd");
}

// Runs whose stretches are known and do not overlap are joined as they
// stand; the result is the merge's, ties included, whichever way they lie.
TEST_F(MergeTest, RunsThatDoNotOverlapAreJoined) {
  xrsort::TSortSpecs keys(1);
  keys[0].FromColumn = 1;
  keys[0].KeyLength = 1;
  // Runs of several stretches each, which go on to the disk as they are joined.
  std::string many_a, many_b;
  for (int i = 0; i < 2000000; ++i) many_a += "a22\r\n", many_b += "b1\r\n";
  merger_.WriteBackFinal = true;
  const struct {
    Lines runs;  // each run's lines, CR LF ended, or its records
    std::string merged;
    int record_length = 0;
  } cases[] = {
      {{"c1\r\nd1\r\n", "a2\r\nb2\r\n", "", "e4\r\n"}, "a2\r\nb2\r\nc1\r\nd1\r\ne4\r\n"},
      {{"a1\r\nb1\r\n", "b2\r\nc2\r\n"}, "a1\r\nb1\r\nb2\r\nc2\r\n"},
      // The higher run ends on the key the lower begins with: a real merge.
      {{"b1\r\nc1\r\n", "a2\r\nb2\r\n"}, "a2\r\nb1\r\nb2\r\nc1\r\n"},
      // Read back, a run of records loses the Ctrl-Z that ends it.
      {{"\x05\x1a", "b"}, "\x05" "b", 1},
      // Then the merged run is shorter than its runs together.
      {{"\x05\x1a", "\x06", "\x07", "\x08", "\x09", "b"}, "\x05\x06\x07\x08\x09" "b", 1},
      {{many_b, many_a}, many_a + many_b},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.merged.substr(0, 20));
    const int last = static_cast<int>(c.runs.size()) - 1;
    const size_t length = static_cast<size_t>(c.record_length);
    merger_.SetRecordLength(c.record_length);
    // Merged by reading the runs, by reading them mapped, and joined.
    for (const int road : {0, 1, 2}) {
      const bool known = road == 2;
      merger_.SetMapRuns(road == 1);
      merger_.Stretches.clear();
      for (int i = 0; i <= last; ++i) {
        const std::string& run = c.runs[static_cast<size_t>(i)];
        WriteRun(i, run);
        const Lines lines = length == 0 ? testing_support::CrLfLines(run)
                                        : Lines{run.substr(0, length), run.substr(run.size() - length)};
        if (!known) continue;
        merger_.Stretches[i] = {};
        if (!lines.empty()) {
          merger_.Stretches[i].push_back({lines.front().substr(0, 1), lines.back().substr(0, 1), 0,
                                          static_cast<int64_t>(run.size())});
        }
      }
      ASSERT_TRUE(merger_.MergeAll(Temp("final"), 5, 0, last, keys));
      EXPECT_TRUE(ReadFile(Temp("final")) == c.merged);
      fs::remove(Temp("final"));
    }
  }
}

// Joined runs join again stretch by stretch, each copied from where it lies.
TEST_F(MergeTest, JoinedRunsJoinAgainByTheirStretches) {
  for (int i = 0; i < 12; ++i) {
    const std::string letter(1, static_cast<char>('a' + (i * 5) % 12));
    WriteRun(i, letter + "\r\n");
    merger_.Stretches[i] = {{letter, letter, 0, 3}};
  }
  ASSERT_TRUE(merger_.MergeAll(Temp("$XRsort.tmp"), 5, 0, 11, no_keys_));
  EXPECT_EQ(messages_, (Lines{"Merging files 0 - 4 into 12", "Merging files 5 - 9 into 13",
                              "Merging files 10 - 13 into 14"}));
  EXPECT_EQ(ReadFile(Temp("$XRsort.tmp")), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n");
  EXPECT_EQ(merger_.Stretches.at(14).size(), 12u);
  EXPECT_EQ(sort_test::NamesIn(drives_.drive('C')), (Lines{"$XRsort.tmp"}));
}
