#include <gtest/gtest.h>

#include <filesystem>

#include "sortlib/xr_parse.h"
#include "sortlib/xr_sort_parser.h"
#include "tests/sortlib/sort_test_support.h"
#include "tests/support/temp_drives.h"

using sort_test::TmpDirOverride;
using xrsort::TXRSortParser;

namespace {

// A parser that sees `avail` bytes of free memory.
TXRSortParser ParserWith(uint32_t avail) {
  TXRSortParser parser;
  parser.AvailPhysMemory = [avail] { return avail; };
  return parser;
}

// The refusal text of `command_line`, or "" when it parses.
std::string Refusal(const std::string& command_line, uint32_t avail = 500u << 20) {
  TXRSortParser parser = ParserWith(avail);
  try {
    parser.Parse(command_line);
  } catch (const xrsort::Exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(SortCommandLine, TheBuildersCommandAndASecondParse) {
  testing_support::TempDrives drives("D");
  TmpDirOverride tmp(drives.drive('D').string());
  TXRSortParser parser = ParserWith(500u << 20);
  parser.Parse("/T=TMP D:\\orvane\\ovshrtct.srt D:\\orvane\\ovshrtct.dat extra.txt");
  EXPECT_EQ(parser.TempPath, drives.drive('D').string() + "/");
  EXPECT_EQ(parser.InputFile, "D:\\orvane\\ovshrtct.srt");
  EXPECT_EQ(parser.OutputFile, "D:\\orvane\\ovshrtct.dat");
  EXPECT_EQ(parser.MemoryLimit, 1048576u);
  EXPECT_EQ(parser.MergeWidth, 5);

  // A second parse starts from the defaults again.
  parser.Parse("/Q /B /D=Dups.TXT /H=2 /F=$10 /W=2 /S=1,3 in out");
  EXPECT_EQ(parser.DuplicatesFile, "Dups.TXT");
  parser.Parse("in /d out");
  EXPECT_TRUE(parser.RemoveDuplicates);
  EXPECT_FALSE(parser.Quiet || parser.SkipBlankLines);
  EXPECT_EQ(parser.DuplicatesFile, "");
  EXPECT_EQ(parser.TempPath, "");
  EXPECT_EQ(parser.HeaderLines, 0);
  EXPECT_EQ(parser.RecordLength, 0);
  EXPECT_EQ(parser.MergeWidth, 5);
  EXPECT_TRUE(parser.Keys.empty());
}

TEST(SortCommandLine, MemoryBudget) {
  EXPECT_GT(xrsort::GetAvailPhysMemory(), 0u);
  auto limit = [](const std::string& cmd, uint32_t avail) {
    TXRSortParser parser = ParserWith(avail);
    parser.Parse(cmd + " in out");
    return parser.MemoryLimit;
  };
  EXPECT_EQ(limit("", 800 * 1024), 102400u);
  EXPECT_EQ(limit("", 1048599), 104850u);
  EXPECT_EQ(limit("", 500u << 20), 1048576u);
  EXPECT_EQ(limit("/M=50P", 1000000), 500000u);
  EXPECT_EQ(limit("/m=10p", 2000000), 200000u);
  EXPECT_EQ(limit("/M=64", 0), 102400u);
  EXPECT_EQ(limit("/M=0", 0), 102400u);
  EXPECT_EQ(limit("/M=4096", 0), 4194304u);
  EXPECT_EQ(limit("/M=4194304", 0), 4294967295u);
  // Counts past 32 bits, however long, get the largest budget too.
  EXPECT_EQ(limit("/M=4294967296", 0), 4294967295u);
  EXPECT_EQ(limit("/M=99999999999999999999999", 0), 4294967295u);
  EXPECT_EQ(limit("/M=$FFFFFFFFFF", 0), 4294967295u);
  EXPECT_EQ(limit("/M=100P", 4294967295u), 4294967200u);
  for (const char* bad : {"/M=0P", "/M=101P", "/M=10K", "/M", "/M=P", "/M=-5", "/M=1.5",
                          "/M=-99999999999", "/M=4294967296P"}) {
    EXPECT_EQ(Refusal(std::string(bad) + " in out"), "Invalid memory usage value /M=") << bad;
  }
}

TEST(SortCommandLine, EveryRefusal) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "No input file indicated"},
      {"/Q /B", "No input file indicated"},
      {"in", "No output file indicated"},
      {"/W=9", "Invalid n-way-merge value /W="},
      {"/W=1 in out", "Invalid n-way-merge value /W="},
      {"/W=6 in out", "Invalid n-way-merge value /W="},
      {"/W=x in out", "Invalid n-way-merge value /W="},
      {"/TEMP=x in out", "Invalid argument TEMP"},
      {"/=x in out", "Invalid argument "},
      {"/XY=1 in out", "Invalid argument XY"},
      {"/X=1,2 in out", "Invalid argument X"},
      {"/X in out", "Invalid column specification for argument X"},
      {"/C=5 in out", "Invalid column specification for argument C"},
      {"/C in out", "Invalid column specification for argument C"},
      {"/C=x,3 in out", "Invalid \"from column\" specification for argument C"},
      {"/C=0,3 in out", "Invalid \"from column\" specification for argument C"},
      {"/C=5, in out", "Invalid \"length\" specification for argument C"},
      {"/C=5,- in out", "Invalid \"length\" specification for argument C"},
      {"/N=1,0 in out", "length = 0 (i.e. until eol) invalid for numeric key"},
      {"/F=ten in out", "Invalid record length /F="},
      {"/H=2x in out", "Invalid header line count /H="},
      {"/M=10K in out", "Invalid memory usage value /M="},
      {"/T= in out", "Temporary file path  does not exist"},
  };
  for (const auto& [cmd, message] : cases) EXPECT_EQ(Refusal(cmd), message) << cmd;
  EXPECT_EQ(Refusal("/W=2 /W=5 /Q=yes /F=-1 /H=-3 /S=3,-2 /n=3,4 in out"), "");
}

TEST(SortCommandLine, TemporaryFolder) {
  testing_support::TempDrives drives("C");
  std::filesystem::create_directories(drives.drive('C') / "Temp");
  testing_support::WriteFile(drives.drive('C') / "file.txt", "x");
  TXRSortParser parser = ParserWith(1 << 30);
  parser.Parse("/T=C:\\Temp in out");
  EXPECT_EQ(parser.TempPath, "C:\\Temp\\");
  parser.Parse("/t=c:\\temp\\ in out");
  EXPECT_EQ(parser.TempPath, "c:\\temp\\");
  EXPECT_EQ(Refusal("/T=C:\\ in out"), "");
  EXPECT_EQ(Refusal("/T=C:\\Gone in out"), "Temporary file path C:\\Gone\\ does not exist");
  EXPECT_EQ(Refusal("/T=C:\\file.txt in out"), "Temporary file path C:\\file.txt\\ does not exist");
  EXPECT_EQ(Refusal("/T=Q:\\ in out"), "Temporary file path Q:\\ does not exist");
  TmpDirOverride tmp((drives.drive('C') / "Temp").string());
  parser.Parse("/t=tmp in out");
  EXPECT_EQ(parser.TempPath, (drives.drive('C') / "Temp").string() + "/");
}

TEST(SortCommandLine, WholeNumbers) {
  int32_t n = 0;
  const std::pair<const char*, int32_t> good[] = {
      {"12", 12}, {"  +7", 7}, {"-2147483648", -2147483647 - 1}, {"2147483647", 2147483647},
      {"$1F", 31}, {"0x10", 16}, {"0X7fffffff", 2147483647}, {"007", 7}};
  for (const auto& [text, value] : good) {
    EXPECT_TRUE(xrsort::StrToInt(text, n)) << text;
    EXPECT_EQ(n, value) << text;
  }
  for (const char* text : {"", " ", "+", "1 ", "2147483648", "-$1", "$", "0x", "$80000000", "1e3",
                           "\t1"}) {
    EXPECT_FALSE(xrsort::StrToInt(text, n)) << text;
  }
  int64_t wide = 0;
  EXPECT_TRUE(xrsort::StrToInt64("-4294967296", wide));
  EXPECT_EQ(wide, -(int64_t{1} << 32));
}
