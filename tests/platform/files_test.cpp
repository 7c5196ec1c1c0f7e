#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/ensure_file.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "platform/shared_file.h"
#include "platform/vb_error.h"
#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/no_file_override.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempDrives;
using testing_support::WriteFile;

using testing_support::ErrorOf;
using testing_support::FullDrive;

TEST(ErrnoMapping, DependsOnTheOperation) {
  TempDrives drives("D");
  const fs::path present = drives.drive('d') / "file";
  const fs::path absent_folder = drives.drive('d') / "nofolder/file";
  EXPECT_EQ(vb::ErrorNumberFromErrno(ENOENT, vb::FileOp::OpenRead, present), 53);
  EXPECT_EQ(vb::ErrorNumberFromErrno(ENOENT, vb::FileOp::OpenRead, absent_folder), 76);
  EXPECT_EQ(vb::ErrorNumberFromErrno(EEXIST, vb::FileOp::MkDir, present), 75);
  EXPECT_EQ(vb::ErrorNumberFromErrno(EEXIST, vb::FileOp::Rename, present), 58);
  EXPECT_EQ(vb::ErrorNumberFromErrno(EACCES, vb::FileOp::OpenWrite, present), 70);
  EXPECT_EQ(vb::ErrorNumberFromErrno(ENOSPC, vb::FileOp::Write, present), 61);
  EXPECT_EQ(vb::ErrorNumberFromErrno(EIO, vb::FileOp::Write, present), 57);
  EXPECT_EQ(vb::ErrorNumberFromErrno(ENOMEDIUM, vb::FileOp::OpenRead, present), 71);
}

TEST(Files, FolderAndFileErrorsCarryTheirNumbers) {
  TempDrives drives("D");
  vb::MkDir("D:\\orvane");
  EXPECT_EQ(ErrorOf([] { vb::MkDir("D:\\orvane"); }), 75);
  EXPECT_EQ(ErrorOf([] { vb::MkDir("D:\\no\\deeper"); }), 76);
  EXPECT_EQ(ErrorOf([] { vb::LineReader r("D:\\orvane\\missing.txt"); }), 53);
  EXPECT_EQ(ErrorOf([] { vb::LineReader r("D:\\nofolder\\missing.txt"); }), 76);
  EXPECT_EQ(ErrorOf([] { vb::Kill("D:\\orvane\\*.txt"); }), 53);
  vb::LineWriter("D:\\orvane\\a.txt").Close();
  vb::LineWriter("D:\\orvane\\b.htm").Close();
  EXPECT_EQ(ErrorOf([] { vb::Name("D:\\orvane\\a.txt", "D:\\orvane\\b.htm"); }), 58);
  EXPECT_EQ(ErrorOf([] { vb::Name("D:\\orvane\\gone.txt", "D:\\orvane\\c.txt"); }), 53);
  EXPECT_EQ(ErrorOf([] { vb::Name("D:\\nofolder\\a.txt", "D:\\orvane\\c.txt"); }), 76);
  EXPECT_EQ(ErrorOf([] { vb::Name("D:\\orvane\\a.txt", "D:\\nofolder\\c.txt"); }), 76);
  // A folder where a page is to be written is a failure to write, never an
  // existing folder to pass over.
  EXPECT_EQ(ErrorOf([] { vb::LineWriter w("D:\\orvane"); }), 70);
  EXPECT_EQ(ErrorOf([] { vb::FileCopy("D:\\orvane\\a.txt", "D:\\orvane"); }), 70);
  vb::LineWriter("D:\\orvane\\page.htm").Print("kept");
  EXPECT_EQ(ErrorOf([] { vb::FileCopy("D:\\orvane\\page.htm", "D:\\ORVANE\\Page.htm"); }), 70);
  EXPECT_EQ(ReadFile(drives.drive('d') / "orvane/page.htm"), "kept\r\n");
  // A read-only file, met by root as by every other account.
  fs::permissions(drives.drive('d') / "orvane/b.htm", fs::perms::owner_read);
  testing_support::NoFileOverride as_staff;
  EXPECT_EQ(ErrorOf([] { vb::LineWriter w("D:\\orvane\\b.htm"); }), 70);
}

TEST(Files, LinesEndAtCrLfOrCrAndWritingEndsEveryLineCrLf) {
  TempDrives drives("D");
  WriteFile(drives.drive('d') / "in.txt", "one\r\ntwo\rthree\nstill three\r\n\r\nlast");
  vb::LineReader reader("D:\\in.txt");
  std::vector<std::string> lines;
  while (!reader.Eof()) lines.push_back(reader.LineInput());
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three\nstill three", "", "last"}));
  EXPECT_EQ(ErrorOf([&] { reader.LineInput(); }), 62);

  vb::LineReader lf_reader("D:\\in.txt", true);
  lines.clear();
  while (!lf_reader.Eof()) lines.push_back(lf_reader.LineInput());
  EXPECT_EQ(lines.size(), 6u);

  vb::LineWriter writer("D:\\out.txt");
  writer.Print("a\xE9");
  writer.Print("");
  writer.Close();
  EXPECT_EQ(ReadFile(drives.drive('d') / "out.txt"), "a\xE9\r\n\r\n");
  vb::LineWriter appender("D:\\out.txt", vb::LineWriter::Append);
  appender.Print("b");
  appender.Close();
  EXPECT_EQ(ReadFile(drives.drive('d') / "out.txt"), "a\xE9\r\n\r\nb\r\n");
}

// A text of a block or more goes to the file at once, after what waits.
TEST(Files, ALongTextIsWrittenInItsPlaceAmongShortOnes) {
  TempDrives drives("D");
  const std::string block(65536, 'n');
  vb::LineWriter writer("D:\\out.txt");
  writer.Write("a,");
  writer.Print(block);
  writer.Write(block);
  writer.Print(",b");
  writer.Close();
  EXPECT_EQ(ReadFile(drives.drive('d') / "out.txt"), "a," + block + "\r\n" + block + ",b\r\n");
}

// The reader takes a file 64 KiB at a time: a line or a CR LF that spans
// two blocks comes out as it would from a file read whole.
TEST(Files, LinesAcrossTheReadBlocksComeWhole) {
  TempDrives drives("D");
  const std::string block(65535, 'a');
  const struct {
    std::string text;
    bool lf_ends_line;
    std::vector<std::string> lines;
  } cases[] = {
      {block + "\r\nb", false, {block, "b"}},
      {block + "\r\r\nb", false, {block, "", "b"}},
      {block + "a\r\nb\r\n", false, {block + "a", "b"}},
      {block + "\r", false, {block}},
      {block + "a", false, {block + "a"}},
      {block + block + block + "\nb", true, {block + block + block, "b"}},
      {block + block + block + "\nb", false, {block + block + block + "\nb"}},
  };
  for (const auto& c : cases) {
    WriteFile(drives.drive('d') / "in.txt", c.text);
    vb::LineReader reader("D:\\in.txt", c.lf_ends_line);
    EXPECT_EQ(reader.Lof(), static_cast<std::int64_t>(c.text.size()));
    std::vector<std::string> lines;
    while (!reader.Eof()) lines.push_back(reader.LineInput());
    EXPECT_EQ(lines, c.lines) << c.text.size();
    EXPECT_EQ(ErrorOf([&] { reader.LineInput(); }), 62);
  }
}

// A large file is read in fixed memory: 512 MiB of lines (a sparse file of
// NULs with a line end every MiB) read whole in a child process that may
// grow by no more than 128 MiB.
TEST(Files, LargeFileIsReadInFixedMemory) {
  constexpr off_t kMiB = 1 << 20;
  constexpr int kLines = 512;
  TempDrives drives("D");
  const fs::path file = drives.drive('d') / "big.txt";
  const struct {
    const char* end;
    bool lf_ends_line;
  } cases[] = {{"\r\n", false}, {"\r", false}, {"\n", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lf_ends_line ? "LF" : c.end[1] ? "CR LF" : "CR");
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const size_t end_size = std::char_traits<char>::length(c.end);
    for (off_t line = 1; line <= kLines; ++line) {
      const off_t at = line * kMiB - static_cast<off_t>(end_size);
      ASSERT_EQ(::pwrite(fd, c.end, end_size, at), static_cast<ssize_t>(end_size));
    }
    ::close(fd);

    const pid_t child = ::fork();
    if (child == 0) {
      long pages = 0;
      if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
      }
      if (pages == 0) ::_exit(3);
      const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + 128 * kMiB;
      const struct rlimit rl = {limit, limit};
      if (::setrlimit(RLIMIT_AS, &rl) != 0) ::_exit(3);
      try {
        vb::LineReader reader("D:\\big.txt", c.lf_ends_line);
        int lines = 0;
        while (!reader.Eof()) {
          if (reader.LineInput().size() != static_cast<size_t>(kMiB) - end_size) ::_exit(4);
          ++lines;
        }
        ::_exit(lines == kLines ? 0 : 5);
      } catch (...) {
        ::_exit(6);
      }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: no limit set, 4: a wrong line, 5: wrong count, 6: raised";
  }
}

TEST(Files, WildcardKillMatchesWithoutRegardToCase) {
  TempDrives drives("D");
  WriteFile(drives.drive('d') / "p/year1.txt", "x");
  WriteFile(drives.drive('d') / "p/ERRORLOG.TXT", "x");
  WriteFile(drives.drive('d') / "p/keep.htm", "x");
  vb::Kill("D:\\p\\*.txt");
  EXPECT_FALSE(fs::exists(drives.drive('d') / "p/year1.txt"));
  EXPECT_FALSE(fs::exists(drives.drive('d') / "p/ERRORLOG.TXT"));
  EXPECT_TRUE(fs::exists(drives.drive('d') / "p/keep.htm"));
}

TEST(Files, FolderCopyMergesAndReplacesWithoutFollowingLinks) {
  TempDrives drives("D");
  const fs::path d = drives.drive('d');
  WriteFile(d / "src/index.htm", "new");
  WriteFile(d / "src/work/a.doc", "doc");
  WriteFile(d / "dst/index.htm", "old");
  WriteFile(d / "dst/work/keep.doc", "keep");
  WriteFile(d / "outside/secret", "secret");
  fs::create_symlink(d / "outside/secret", d / "dst/work/a.doc");
  vb::CopyFolderContents("D:\\src", "D:\\dst");
  EXPECT_EQ(ReadFile(d / "dst/index.htm"), "new");
  EXPECT_EQ(ReadFile(d / "dst/work/a.doc"), "doc");
  EXPECT_EQ(ReadFile(d / "dst/work/keep.doc"), "keep");
  EXPECT_EQ(ReadFile(d / "outside/secret"), "secret");
  EXPECT_FALSE(fs::is_symlink(d / "dst/work/a.doc"));
  fs::create_symlink(d / "outside/secret", d / "dst/link.htm");
  vb::FileCopy("D:\\src\\index.htm", "D:\\dst\\link.htm");
  EXPECT_EQ(ReadFile(d / "dst/link.htm"), "new");
  EXPECT_EQ(ReadFile(d / "outside/secret"), "secret");
}

TEST(Files, ACopiedProgramStaysRunnable) {
  TempDrives drives("D");
  const fs::path d = drives.drive('d');
  WriteFile(d / "tool", "program");
  WriteFile(d / "page.htm", "page");
  WriteFile(d / "old", "older copy");
  fs::permissions(d / "tool", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  fs::permissions(d / "old", fs::perms::owner_read | fs::perms::owner_write);
  vb::FileCopy("D:\\tool", "D:\\copy");
  vb::FileCopy("D:\\tool", "D:\\old");
  vb::FileCopy("D:\\page.htm", "D:\\page2.htm");
  const auto exec = fs::perms::owner_exec;
  EXPECT_NE(fs::status(d / "copy").permissions() & exec, fs::perms::none);
  EXPECT_NE(fs::status(d / "old").permissions() & exec, fs::perms::none);
  EXPECT_EQ(fs::status(d / "old").permissions() & fs::perms::others_exec, fs::perms::none);
  EXPECT_EQ(fs::status(d / "page2.htm").permissions() & exec, fs::perms::none);
}

TEST(Files, AFullDiskIsReportedWhenTheFileIsClosed) {
  TempDrives drives("D");
  WriteFile(drives.drive('d') / "page.htm", "page");
  FullDrive full;
  // Print only fills the buffer; the bytes meet the disk at Close.
  vb::LineWriter writer("D:\\full.htm");
  writer.Print("a line");
  EXPECT_EQ(ErrorOf([&] { writer.Close(); }), 61);
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_EQ(ErrorOf([] { vb::FileCopy("D:\\page.htm", "D:\\copy.htm"); }), 61);
}

// A FIFO, which would hold an open until another program opens its other
// end, and a link to an endless device are no files: each open refuses them
// at once, as it refuses a folder, with 75 to read and 70 to write. An open
// that waits ends the test program.
TEST(Files, AFifoOrADeviceInPlaceOfAFileIsRefusedAtOnce) {
  struct Case {
    const char* open;
    const char* name;  // what stands in the file's place
    std::function<void()> statement;
    int fifo_error;
    int device_link_error;
  };
  auto replace_through = [](const char* temporary) {
    vb::ReplaceRules rules;
    rules.temporary_name = temporary;
    vb::ReplaceFile("D:\\settings.ini", "x", rules);
  };
  auto put_in_place = [] {
    vb::ReplaceRules rules;
    rules.temporary_name = "put.tmp";
    vb::PutInPlace("D:\\put.dat", rules);
  };
  const Case cases[] = {
      {"lines read", "read.txt", [] { vb::LineReader r("D:\\read.txt"); }, 75, 75},
      {"bytes read", "read.txt", [] { vb::ReadFileBytes("D:\\read.txt"); }, 75, 75},
      {"copy source", "read.txt", [] { vb::FileCopy("D:\\read.txt", "D:\\copy.txt"); }, 75, 75},
      {"replacing copy's source", "read.txt",
       [] { vb::ReplaceWithCopy("D:\\read.txt", "D:\\copy.txt", {}); }, 75, 75},
      {"lines written", "out.txt", [] { vb::LineWriter w("D:\\out.txt"); }, 70, 70},
      {"lines appended", "out.txt", [] { vb::LineWriter w("D:\\out.txt", vb::LineWriter::Append); }, 70, 70},
      // A link at a copy's target is replaced, as ever.
      {"copy target", "out.txt", [] { vb::FileCopy("D:\\page.htm", "D:\\out.txt"); }, 70, 0},
      {"file made sure of", "out.txt", [] { vb::EnsureFile("D:\\out.txt"); }, 70, 70},
      {"shared store", "out.txt", [] { vb::SharedFile().Open("D:\\out.txt"); }, 70, 70},
      {"lock file", "out.txt", [] { vb::FileLock lock("D:\\out.txt"); }, 70, 70},
      {"named temporary", "settings.tmp", [&] { replace_through("settings.tmp"); }, 70, 70},
      // A link written aside is not followed: it takes the target's place.
      {"temporary put in place", "put.tmp", put_in_place, 70, 0},
  };
  ::alarm(10);
  for (const Case& c : cases) {
    for (const bool fifo : {true, false}) {
      TempDrives drives("D");
      const fs::path odd = drives.drive('d') / c.name;
      WriteFile(drives.drive('d') / "page.htm", "page");
      if (fifo) {
        ASSERT_EQ(::mkfifo(odd.c_str(), 0666), 0);
      } else {
        fs::create_symlink("/dev/zero", odd);
      }
      EXPECT_EQ(ErrorOf(c.statement), fifo ? c.fifo_error : c.device_link_error)
          << c.open << (fifo ? ", FIFO" : ", link to /dev/zero");
    }
  }
  ::alarm(0);
}

TEST(Files, AFolderListingHoldsEveryEntryButHiddenOnesLinksToNothingToo) {
  TempDrives drives("D");
  const fs::path d = drives.drive('d');
  for (int i = 0; i < 10; ++i) WriteFile(d / ("f" + std::to_string(i)), "x");
  fs::create_symlink(d / "nowhere", d / "link");
  for (int i = 10; i < 20; ++i) WriteFile(d / ("f" + std::to_string(i)), "x");
  fs::create_directory(d / "sub");
  WriteFile(d / ".hidden", "x");
  const std::vector<vb::FolderEntry> entries = vb::ListFolder("D:\\");
  ASSERT_EQ(entries.size(), 22u);
  int folders = 0;
  for (const vb::FolderEntry& entry : entries) folders += entry.is_folder ? 1 : 0;
  EXPECT_EQ(folders, 1);
  EXPECT_EQ(ErrorOf([] { vb::ListFolder("D:\\f1"); }), 76);
}
