#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "sortlib/XRsortLib.h"
#include "sortlib/xr_file_sorter.h"
#include "sortlib/xr_keys.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/page_text.h"
#include "tests/support/temp_drives.h"

using testing_support::CrLf;
using testing_support::ReadFile;
using testing_support::WriteFile;
namespace fs = std::filesystem;

namespace {

using sort_test::Lines;
using sort_test::NamesIn;

// Collects the progress lines that the library appends.
struct Log {
  static void Append(void* context, const char* text) {
    static_cast<Log*>(context)->text += text;
  }
  Lines lines() const { return testing_support::CrLfLines(text); }
  std::string text;
  XRLogSink sink{XRSORT_LOG_SINK_MAGIC, &Log::Append, this};
};

std::string LastError() {
  char buffer[256] = "untouched";
  if (GetLastErrorStr(buffer, 255) == 0) return "(none)";
  return buffer;
}

class SortFileTest : public ::testing::Test {
 protected:
  SortFileTest() {
    fs::create_directories(drives_.drive('D') / "tmp");
    ::umask(022);
  }

  fs::path D(const std::string& name) { return drives_.drive('D') / name; }

  // Sorts with the private work folder under D:\tmp.
  int32_t Sort(const std::string& switches, Log* log = nullptr) {
    return SortFile(("/T=D:\\tmp " + switches).c_str(), log ? &log->sink : nullptr);
  }

  bool TempIsEmpty() { return fs::is_empty(D("tmp")); }

  testing_support::TempDrives drives_{"D"};
};

}  // namespace

TEST_F(SortFileTest, ThreeLinesWithProgress) {
  WriteFile(D("in.txt"), "pear\nApple\napple");
  Log log;
  EXPECT_EQ(SortFile("d:\\in.txt D:\\out.txt", &log.sink), -1);
  EXPECT_EQ(ReadFile(D("out.txt")), "Apple\r\napple\r\npear\r\n");
  Lines lines = log.lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Memory used: ", 0), 0u);
  EXPECT_EQ(lines[0].substr(lines[0].size() - 6), " bytes");
  lines.erase(lines.begin());
  EXPECT_EQ(lines, (Lines{"Reading...", "3 record(s) read.", "Sorting/Writing to file 0...",
                          "Begin 5-way merging files 0-0...", "3 record(s) written."}));
  EXPECT_EQ(LastError(), "(none)");
  Log quiet;
  EXPECT_EQ(SortFile("/Q D:\\in.txt D:\\out2.txt", &quiet.sink), -1);
  EXPECT_EQ(quiet.text, "");
  EXPECT_EQ(ReadFile(D("out2.txt")), "Apple\r\napple\r\npear\r\n");
  XRLogSink wrong{0, &Log::Append, &quiet};
  EXPECT_EQ(SortFile("D:\\in.txt D:\\out3.txt", &wrong), -1);
  EXPECT_EQ(quiet.text, "");
  EXPECT_EQ(xrsort::GroupedNumber(1048576), "1,048,576");
}

TEST_F(SortFileTest, FailuresAndTheLastErrorText) {
  EXPECT_EQ(SortFile(nullptr, nullptr), 0);
  EXPECT_EQ(LastError(), "No input file indicated");
  EXPECT_EQ(LastError(), "No input file indicated");
  char small[8];
  EXPECT_EQ(GetLastErrorStr(small, 5), -1);
  EXPECT_STREQ(small, "No in");
  EXPECT_EQ(GetLastErrorStr(small, 0), -1);
  EXPECT_STREQ(small, "");
  EXPECT_EQ(GetLastErrorStr(nullptr, 10), -1);

  WriteFile(D("in.txt"), "b\r\na\r\n");
  WriteFile(D("long.txt"), "a\r\n" + std::string(32767, 'x') + "\r\nb\r\n");
  // No file: a FIFO would hold the open for ever, a device be read for ever.
  ASSERT_EQ(::mkfifo(D("fifo.txt").c_str(), 0666), 0);
  fs::create_symlink("/dev/zero", D("zero.txt"));
  const std::pair<const char*, const char*> failures[] = {
      {"D:\\missing.txt D:\\out.txt", "File D:\\missing.txt not found"},
      {"/S=1,0 /S=5,3 D:\\in.txt D:\\out.txt", "length = 0 only valid for last key specification"},
      {"/F=-1 D:\\in.txt D:\\out.txt", "Invalid Record Lenght"},
      {"/F=5 D:\\in.txt D:\\out.txt", "Invalid record length"},
      {"D:\\in.txt D:\\nofolder\\out.txt", "Error copying last file"},
      {"/D D:\\in.txt D:\\nofolder\\out.txt", "Invalid filename"},
      {"D:\\in.txt Q:\\out.txt", "Error copying last file"},
      {"D:\\long.txt D:\\out.txt", "Not a text file or line exceeds buffer size"},
      {"D:\\fifo.txt D:\\out.txt", "File access denied"},
      {"D:\\zero.txt D:\\out.txt", "File access denied"},
      {"/D=D:\\fifo.txt D:\\in.txt D:\\out.txt", "File access denied"},
  };
  ::alarm(10);  // an open that waits ends the test program
  for (const auto& [command, text] : failures) {
    EXPECT_EQ(Sort(command), 0) << command;
    EXPECT_EQ(LastError(), text) << command;
    EXPECT_TRUE(TempIsEmpty()) << command;
  }
  ::alarm(0);
  // The last phase is announced before its output cannot be made.
  Log log;
  EXPECT_EQ(Sort("/H=1 D:\\in.txt D:\\nofolder\\out.txt", &log), 0);
  EXPECT_EQ(log.lines().back(), "Processing last file...");
  EXPECT_EQ(Sort("/S=1,1 D:\\in.txt D:\\sorted.txt"), -1);
  EXPECT_EQ(LastError(), "(none)");
}

TEST_F(SortFileTest, EmptyInputAndTheBudgetsRuns) {
  WriteFile(D("empty.txt"), "");
  Log log;
  EXPECT_EQ(Sort("/M=100 D:\\empty.txt D:\\out.txt", &log), -1);
  EXPECT_EQ(log.lines(), (Lines{"Memory used: 102,400 bytes", "Reading...",
                                "Sorting/Writing to file 0...", "Begin 5-way merging files 0-0...",
                                "0 record(s) written."}));
  EXPECT_EQ(ReadFile(D("out.txt")), "");

  Lines lines;
  for (int i = 0; i < 603; ++i) lines.push_back(std::string(500, static_cast<char>('a' + (i * 7) % 26)));
  WriteFile(D("in.txt"), CrLf(lines));
  Log runs;
  EXPECT_EQ(Sort("/M=100 D:\\in.txt D:\\out.txt", &runs), -1);
  EXPECT_EQ(runs.lines(), (Lines{"Memory used: 102,400 bytes", "Reading...", "201 record(s) read.",
                                 "Sorting/Writing to file 0...", "402 record(s) read.",
                                 "Sorting/Writing to file 1...", "603 record(s) read.",
                                 "Sorting/Writing to file 2...", "Begin 5-way merging files 0-2...",
                                 "Merging files 0 - 2 into 3", "603 record(s) written."}));
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(ReadFile(D("out.txt")), CrLf(lines));

  Lines thousand(1000, "x");
  WriteFile(D("k.txt"), CrLf(thousand));
  Log once;
  EXPECT_EQ(Sort("D:\\k.txt D:\\out.txt", &once), -1);
  const Lines reported = once.lines();
  EXPECT_EQ(std::count(reported.begin(), reported.end(), "1000 record(s) read."), 1);
}

TEST_F(SortFileTest, DozensOfRunsAtTheSmallestBudget) {
  std::mt19937 random(11);
  Lines lines;
  std::string bytes;
  for (int i = 0; i < 50000; ++i) {
    std::string line;
    const int length = 1 + static_cast<int>(random() % 100);
    for (int j = 0; j < length; ++j) line += static_cast<char>(' ' + random() % 95);
    if (i % 10 == 0 && i > 0) line = lines[random() % lines.size()];
    lines.push_back(line);
    bytes += line + (i % 2 ? "\n" : "\r\n");
  }
  WriteFile(D("in.txt"), bytes);
  Log log;
  ASSERT_EQ(Sort("/M=100 D:\\in.txt D:\\out.txt", &log), -1) << LastError();
  const Lines messages = log.lines();
  const auto runs = std::count_if(messages.begin(), messages.end(), [](const std::string& m) {
    return m.rfind("Sorting/Writing to file ", 0) == 0;
  });
  EXPECT_GT(runs, 24);
  Lines expected = lines;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ReadFile(D("out.txt")), CrLf(expected));
  EXPECT_TRUE(TempIsEmpty());

  // A case-folding descending key: equal keys may come in any order, but
  // the keys must descend and no line may be lost.
  ASSERT_EQ(Sort("/Q /M=100 /W=3 /C=1,4- D:\\in.txt D:\\keyed.txt"), -1) << LastError();
  xrsort::TSortSpecs keys(1);
  keys[0].FromColumn = 1;
  keys[0].KeyLength = 4;
  keys[0].IgnoreCase = true;
  keys[0].Ascending = false;
  Lines got = testing_support::CrLfLines(ReadFile(D("keyed.txt")));
  for (size_t i = 1; i < got.size(); ++i) {
    ASSERT_LE(xrsort::CompareLines(got[i - 1], got[i], keys), 0) << i;
  }
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, expected);
}

TEST_F(SortFileTest, HeadersBlankLinesAndDuplicates) {
  WriteFile(D("two.txt"), "Name\r\n\r\n");
  Log log;
  EXPECT_EQ(Sort("/H=2 /B D:\\two.txt D:\\out.txt", &log), -1);
  EXPECT_EQ(ReadFile(D("out.txt")), "Name\r\n\r\n");
  EXPECT_EQ(log.lines().back(), "2 record(s) written.");

  WriteFile(D("in.txt"), "Head\r\nb\r\n \t\r\na\r\nb\r\n\r\nc\r\na\r\n");
  Log blank;
  EXPECT_EQ(Sort("/H=1 /B D:\\in.txt D:\\out.txt", &blank), -1);
  EXPECT_EQ(ReadFile(D("out.txt")), "Head\r\na\r\na\r\nb\r\nb\r\nc\r\n");
  EXPECT_EQ(blank.lines().back(), "6 record(s) written.");
  Log plain;
  EXPECT_EQ(Sort("/B D:\\in.txt D:\\out.txt", &plain), -1);
  EXPECT_EQ(plain.lines().back(), "6 record(s) written.");

  Log dups;
  EXPECT_EQ(Sort("/D=D:\\Dups.txt D:\\in.txt D:\\out.txt", &dups), -1);
  EXPECT_EQ(ReadFile(D("out.txt")), "\r\n \t\r\nHead\r\na\r\nb\r\nc\r\n");
  EXPECT_EQ(ReadFile(D("Dups.txt")), "a\r\nb\r\n");
  const Lines lines = dups.lines();
  EXPECT_EQ(lines[lines.size() - 3], "Processing last file...");
  EXPECT_EQ(lines[lines.size() - 2], "2 duplicate record(s) ignored.");
  EXPECT_EQ(lines.back(), "6 record(s) written.");
  Log none;
  EXPECT_EQ(Sort("/d D:\\Dups.txt D:\\out.txt", &none), -1);
  EXPECT_EQ(none.lines()[none.lines().size() - 2], "0 duplicate record(s) ignored.");
  EXPECT_TRUE(TempIsEmpty());
}

// Refused before anything is read, wherever the name leads on disk.
TEST_F(SortFileTest, DuplicatesFileThatIsTheInputOrOutputIsRefused) {
  WriteFile(D("in.txt"), "b\r\na\r\na\r\n");
  WriteFile(D("out.txt"), "old\r\n");
  fs::create_symlink(D("in.txt"), D("link.txt"));
  fs::create_directory_symlink(D(""), D("alias"));
  fs::create_symlink(D("new.txt"), D("to-new.txt"));
  const std::pair<std::string, std::string> cases[] = {
      {"D:\\in.txt", "D:\\out.txt"},
      {"d:\\IN.TXT", "D:\\out.txt"},
      {"D:\\link.txt", "D:\\out.txt"},
      {"D:\\out.txt", "D:\\out.txt"},
      {"D:\\alias\\new.txt", "D:\\new.txt"},
      {"D:\\to-new.txt", "D:\\new.txt"},
  };
  for (const auto& [dups, output] : cases) {
    EXPECT_EQ(Sort("/D=" + dups + " D:\\in.txt " + output), 0) << dups;
    EXPECT_EQ(LastError(), "Duplicates file " + dups + " is the input or output file");
  }
  EXPECT_EQ(ReadFile(D("in.txt")), "b\r\na\r\na\r\n");
  EXPECT_EQ(ReadFile(D("out.txt")), "old\r\n");
  EXPECT_FALSE(fs::exists(D("new.txt")));
  EXPECT_TRUE(TempIsEmpty());
}

// The output is replaced whole or not at all: a full file system or a
// folder where the new output is written leaves the old one as it was.
TEST_F(SortFileTest, LastPhaseFailureLeavesTheOldOutput) {
  sort_test::SmallTmpfs full(D("full"), "64k");
  if (!full.mounted()) GTEST_SKIP() << "cannot mount a tmpfs";
  Lines big;
  for (int i = 0; i < 4000; ++i) big.push_back(std::to_string(1000000 - i) + std::string(40, 'x'));
  WriteFile(D("big.txt"), CrLf(big));
  WriteFile(D("small.txt"), "b\r\na\r\n");
  const std::string planted = ".out.txt.XRsort-" + std::to_string(::getpid());
  const struct {
    std::string command;
    bool plant;  // a folder in the new output's place
    std::string error;
  } cases[] = {
      {"/T=D:\\tmp D:\\big.txt D:\\full\\out.txt", false, "Error copying last file"},
      {"/T=D:\\tmp /D D:\\big.txt D:\\full\\out.txt", false, "Disk full"},
      {"/T=D:\\tmp /H=1 D:\\big.txt D:\\full\\out.txt", false, "Disk full"},
      {"/T=D:\\full D:\\small.txt D:\\out.txt", true, "Error copying last file"},
      {"/T=D:\\tmp /D D:\\small.txt D:\\out.txt", true, "File access denied"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const fs::path output = c.plant ? D("out.txt") : D("full/out.txt");
    WriteFile(output, "old\r\n");
    if (c.plant) fs::create_directory(output.parent_path() / planted);
    EXPECT_EQ(SortFile(c.command.c_str(), nullptr), 0);
    EXPECT_EQ(LastError(), c.error);
    EXPECT_EQ(ReadFile(output), "old\r\n");
    if (c.plant) fs::remove(output.parent_path() / planted);
    EXPECT_EQ(NamesIn(D("full")), (Lines{"out.txt"}));
    EXPECT_TRUE(TempIsEmpty());
  }
}

// What killed sorts left, by the process id in its name: gone once that
// process has ended, kept while it runs or when it is not this user's.
TEST_F(SortFileTest, WorkLeftByEndedProcessesIsCleared) {
  const std::string ended = std::to_string(sort_test::EndedProcessId());
  const std::string own = std::to_string(::getpid());
  const struct {
    std::string name;
    bool folder;
    bool kept;
  } cases[] = {
      {"tmp/XRsort." + ended + ".a1b2c3", true, false},
      {"tmp/XRsort." + own + ".a1b2c3", true, false},
      {"tmp/XRsort.1.a1b2c3", true, true},
      {"tmp/XRsort." + ended, true, true},
      {".out.txt.XRsort-" + ended, false, false},
      {".old.txt.XRsort-" + ended, false, false},
      {".out.txt.XRsort-1", false, true},
  };
  WriteFile(D("in.txt"), "b\r\na\r\n");
  for (const auto& c : cases) {
    if (c.folder) WriteFile(D(c.name) / "$XRsort0.tmp", "run\r\n");
    else WriteFile(D(c.name), "part of an output\r\n");
  }
  ASSERT_EQ(Sort("D:\\in.txt D:\\out.txt"), -1) << LastError();
  EXPECT_EQ(ReadFile(D("out.txt")), "a\r\nb\r\n");
  for (const auto& c : cases) EXPECT_EQ(fs::exists(D(c.name)), c.kept) << c.name;
}

TEST_F(SortFileTest, AnotherUsersLeftoverIsKept) {
  const std::string leftover = ".mine.txt.XRsort-" + std::to_string(sort_test::EndedProcessId());
  WriteFile(D("in.txt"), "b\r\na\r\n");
  WriteFile(D(leftover), "part of an output\r\n");
  if (::lchown(D(leftover).c_str(), 4242, 4242) != 0) {
    GTEST_SKIP() << "another user's leftover is not checked: only root may give a file to another user";
  }
  ASSERT_EQ(Sort("D:\\in.txt D:\\out.txt"), -1) << LastError();
  EXPECT_TRUE(fs::exists(D(leftover)));
}

TEST_F(SortFileTest, InPlaceSortAndTheOutputsMode) {
  WriteFile(D("list.txt"), "c\r\nb\r\na\r\n");
  fs::permissions(D("list.txt"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Sort("D:\\list.txt d:\\LIST.TXT"), -1);
  EXPECT_EQ(ReadFile(D("list.txt")), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Sort("/H=1 /D D:\\list.txt D:\\list.txt"), -1);
  EXPECT_EQ(ReadFile(D("list.txt")), "a\r\nb\r\nc\r\n");
  // A failure in place leaves the input whole.
  EXPECT_EQ(Sort("/F=2 D:\\list.txt D:\\list.txt"), 0);
  EXPECT_EQ(ReadFile(D("list.txt")), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(NamesIn(drives_.drive('D')), (Lines{"list.txt", "tmp"}));
  // The longest name a file may have still leaves room for the new file beside it.
  const std::string longest = std::string(255, 'n');
  WriteFile(D(longest), "b\r\na\r\n");
  EXPECT_EQ(Sort("/D D:\\" + longest + " D:\\" + longest), -1) << LastError();
  EXPECT_EQ(ReadFile(D(longest)), "a\r\nb\r\n");
  fs::remove(D(longest));

  const fs::perms normal = fs::perms::owner_read | fs::perms::owner_write |
                           fs::perms::group_read | fs::perms::others_read;
  for (const char* switches : {"", "/H=1 ", "/D "}) {
    fs::remove(D("out.txt"));
    ASSERT_EQ(Sort(std::string(switches) + "D:\\list.txt D:\\out.txt"), -1);
    EXPECT_EQ(fs::status(D("out.txt")).permissions() & fs::perms::all, normal) << switches;
  }
  EXPECT_EQ(fs::status(D("list.txt")).permissions() & fs::perms::all, normal);
}

TEST_F(SortFileTest, TheSystemFolderAndNamesBelowTheCurrentFolder) {
  const fs::path saved = fs::current_path();
  fs::current_path(drives_.drive('D'));
  sort_test::TmpDirOverride tmp(D("tmp"));
  WriteFile(D("sub/in.txt"), "2\n1\n");
  EXPECT_EQ(SortFile("/T=TMP sub\\in.txt out.txt", nullptr), -1) << LastError();
  EXPECT_EQ(ReadFile(D("out.txt")), "1\r\n2\r\n");
  EXPECT_EQ(SortFile("/T=sub sub\\in.txt sub\\out.txt", nullptr), -1) << LastError();
  EXPECT_EQ(ReadFile(D("sub/out.txt")), "1\r\n2\r\n");
  EXPECT_EQ(fs::is_empty(D("tmp")), true);
  fs::current_path(saved);
}

TEST_F(SortFileTest, RunsOnAnotherFileSystemAreCopiedToTheOutput) {
  struct stat shm, drive;
  if (::stat("/dev/shm", &shm) != 0 || ::stat(D("").c_str(), &drive) != 0 ||
      shm.st_dev == drive.st_dev) {
    GTEST_SKIP() << "no second file system";
  }
  // This process's work folders; those of others come and go as they sort.
  auto ours = [] {
    Lines names = NamesIn("/dev/shm");
    const std::string mine = "XRsort." + std::to_string(::getpid()) + ".";
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& n) { return n.rfind(mine, 0) != 0; }),
                names.end());
    return names;
  };
  WriteFile(D("in.txt"), "b\na\n");
  WriteFile(D("out.txt"), "old\r\n");
  fs::permissions(D("out.txt"), fs::perms::owner_read | fs::perms::owner_write);
  {
    sort_test::TmpDirOverride tmp("/dev/shm");
    EXPECT_EQ(SortFile("/T=TMP D:\\in.txt D:\\out.txt", nullptr), -1) << LastError();
  }
  EXPECT_EQ(ReadFile(D("out.txt")), "a\r\nb\r\n");
  EXPECT_EQ(fs::status(D("out.txt")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
  EXPECT_EQ(ours(), Lines{});
  EXPECT_EQ(NamesIn(drives_.drive('D')), (Lines{"in.txt", "out.txt", "tmp"}));
}
