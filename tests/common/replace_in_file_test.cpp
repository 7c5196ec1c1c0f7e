#include "common/replace_in_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/error_of.h"
#include "tests/support/full_drive.h"
#include "tests/support/temp_drives.h"

namespace {

using testing_support::ErrorOf;
using testing_support::ReadFile;
using testing_support::TempDrives;
using testing_support::WriteFile;

struct Case {
  const char* name;
  std::string page;
  std::string marker;
  std::string text;
  std::string expected;
};

class ReplaceInFileTest : public ::testing::Test {
 protected:
  TempDrives drives{"D"};
  std::filesystem::path Page() const { return drives.drive('D') / "orvane" / "school" / "index.htm"; }
};

TEST_F(ReplaceInFileTest, RewritesEveryLineByteForByte) {
  const Case cases[] = {
      {"crlf", "<p>Sample Public School</p>\r\n<td bgcolor=\"#999966\">\r\n",
       "Sample Public School", "Hillside Primary",
       "<p>Hillside Primary</p>\r\n<td bgcolor=\"#999966\">\r\n"},
      {"lone cr", "a Sample Public School\rb\rSample Public School", "Sample Public School", "X",
       "a X\r\nb\r\nX\r\n"},
      {"lone lf is no line end", "Sample Public School\nSample Public School\n", "Sample Public School",
       "X", "X\nSample Public School\n\r\n"},
      {"first of two only", "#999966 #999966\r\n", "#999966", "#FFCC66", "#FFCC66 #999966\r\n"},
      {"replacement holds the marker", "2009/index.htm\r\n", "2009/", "2009/2009/",
       "2009/2009/index.htm\r\n"},
      {"empty replacement", "code 999911 here\r\n", "999911", "", "code  here\r\n"},
      {"other case not found", "sample public school\r\n", "Sample Public School", "X",
       "sample public school\r\n"},
      {"last line without end", "one\r\ntwo", "two", "2", "one\r\n2\r\n"},
      {"empty lines kept", "\r\n\r\nx\r\n", "x", "y", "\r\n\r\ny\r\n"},
      {"empty page", "", "x", "y", ""},
      {"windows-1252 bytes pass", "Caf\xE9 #999966\r\n", "#999966", "#008080", "Caf\xE9 #008080\r\n"},
  };
  for (const Case& c : cases) {
    WriteFile(Page(), c.page);
    common::ReplaceInFile("D:\\orvane\\school\\", "index.htm", c.marker, c.text,
                          static_cast<int>(c.marker.size()));
    EXPECT_EQ(ReadFile(Page()), c.expected) << c.name;
    EXPECT_FALSE(std::filesystem::exists(Page().parent_path() / "temp.htm")) << c.name;
  }
}

TEST_F(ReplaceInFileTest, LongLineKeepsItsTail) {
  const std::string tail(70000, 'z');
  WriteFile(Page(), std::string(40000, 'a') + "#999966" + tail);
  common::ReplaceInFile("D:\\orvane\\school\\", "index.htm", "#999966", "#808080", 7);
  EXPECT_EQ(ReadFile(Page()), std::string(40000, 'a') + "#808080" + tail + "\r\n");
}

TEST_F(ReplaceInFileTest, FullDriveLeavesThePageAndNoTemporaryFile) {
  const std::string page = "<p>Sample Public School</p>\r\n" + std::string(20000, 'x') + "\r\n";
  WriteFile(Page(), page);
  // The drive fills up after a few thousand bytes of the new text.
  testing_support::FullDrive full(4096);
  const int number = ErrorOf(
      [] { common::ReplaceInFile("D:\\orvane\\school\\", "index.htm", "Sample Public School", "Hillside", 20); });
  full.Free();
  EXPECT_EQ(number, 61);
  EXPECT_EQ(ReadFile(Page()), page);
  EXPECT_FALSE(std::filesystem::exists(Page().parent_path() / "temp.htm"));
}

TEST_F(ReplaceInFileTest, MissingPageOrFolderRaisesAndLeavesNoPage) {
  WriteFile(Page().parent_path() / "other.htm", "x");
  EXPECT_EQ(ErrorOf([&] { common::ReplaceInFile("D:\\orvane\\school\\", "index.htm", "x", "y", 1); }), 53);
  EXPECT_FALSE(std::filesystem::exists(Page()));
  EXPECT_EQ(ErrorOf([] { common::ReplaceInFile("D:\\orvane\\nowhere\\", "index.htm", "x", "y", 1); }), 76);
}

}  // namespace
