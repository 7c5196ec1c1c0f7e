#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "sortlib/xr_parse.h"
#include "tests/support/temp_drives.h"

using xrsort::TXRCmdParser;

namespace {

// Records the callbacks as "S:name=value" and "P:text".
class Recorder : public TXRCmdParser {
 public:
  void DoSwitch(const std::string& name, const std::string& value) override {
    calls.push_back("S:" + name + "=" + value);
  }
  void DoParam(const std::string& param) override { calls.push_back("P:" + param); }
  std::vector<std::string> calls;
};

std::vector<std::string> CallsOf(const std::string& command_line) {
  Recorder r;
  r.Parse(command_line);
  return r.calls;
}

using Calls = std::vector<std::string>;

}  // namespace

TEST(Tokenizer, OnlyBlanksSeparateAndNothingQuotes) {
  EXPECT_EQ(CallsOf(""), Calls{});
  EXPECT_EQ(CallsOf(" \t \r\n "), Calls{});
  EXPECT_EQ(CallsOf("a   b"), (Calls{"P:a", "P:b"}));
  EXPECT_EQ(CallsOf("a\tb"), (Calls{"P:a\tb"}));
  EXPECT_EQ(CallsOf("\"C:\\My Site\\x\""), (Calls{"P:\"C:\\My", "P:Site\\x\""}));
  EXPECT_EQ(CallsOf("\t in.txt \x01"), (Calls{"P:in.txt"}));
}

TEST(Tokenizer, SwitchesHaveAnUpperCaseNameAndAValue) {
  EXPECT_EQ(CallsOf("- /"), (Calls{"P:-", "P:/"}));
  EXPECT_EQ(CallsOf("/=x"), (Calls{"S:=x"}));
  EXPECT_EQ(CallsOf("/TEMP=x"), (Calls{"S:TEMP=x"}));
  EXPECT_EQ(CallsOf("/t=tmp"), (Calls{"S:T=tmp"}));
  EXPECT_EQ(CallsOf("-c1,5 /C=1,5"), (Calls{"S:C=1,5", "S:C=1,5"}));
  EXPECT_EQ(CallsOf("/Quiet /\xe4x=1"), (Calls{"S:Q=uiet", "S:\xe4X=1"}));
  const std::string long_value(300, 'v');
  EXPECT_EQ(CallsOf("/D=" + long_value), (Calls{"S:D=" + long_value.substr(0, 255)}));
  EXPECT_EQ(CallsOf("/D" + long_value), (Calls{"S:D=" + long_value.substr(0, 255)}));
}

TEST(Tokenizer, NextTokenLeavesTheRest) {
  std::string rest = "  one  two three ";
  EXPECT_EQ(TXRCmdParser::NextToken(rest), "one");
  EXPECT_EQ(rest, " two three");
  EXPECT_EQ(TXRCmdParser::NextToken(rest), "two");
  EXPECT_EQ(TXRCmdParser::NextToken(rest), "three");
  EXPECT_EQ(rest, "");
  EXPECT_EQ(TXRCmdParser::NextToken(rest), "");
}

TEST(ParseHelpers, SwitchLetterAndBackslashes) {
  char letter = 'x';
  EXPECT_FALSE(xrsort::GetSwitchLetter("TEMP", true, letter));
  EXPECT_EQ(letter, 0);
  EXPECT_TRUE(xrsort::GetSwitchLetter("c", true, letter));
  EXPECT_EQ(letter, 'C');
  EXPECT_TRUE(xrsort::GetSwitchLetter("c", false, letter));
  EXPECT_EQ(letter, 'c');
  EXPECT_EQ(xrsort::IncludeBackslash("C:"), "C:\\");
  EXPECT_EQ(xrsort::IncludeBackslash("C:\\"), "C:\\");
  EXPECT_EQ(xrsort::IncludeBackslash(""), "");
  EXPECT_EQ(xrsort::ExcludeBackslash("C:\\a\\\\"), "C:\\a\\");
  EXPECT_EQ(xrsort::ExcludeBackslash("C:\\a"), "C:\\a");
  EXPECT_EQ(xrsort::ExcludeBackslash(""), "");
}

TEST(ParseHelpers, DirExistsOnDrivesAndNames) {
  testing_support::TempDrives drives("D");
  std::filesystem::create_directories(drives.drive('D') / "empty");
  testing_support::WriteFile(drives.drive('D') / "file.txt", "x");
  EXPECT_TRUE(xrsort::DirExists("D:\\empty"));
  EXPECT_TRUE(xrsort::DirExists("d:\\EMPTY\\"));
  EXPECT_TRUE(xrsort::DirExists("D:\\"));
  EXPECT_FALSE(xrsort::DirExists("D:\\file.txt"));
  EXPECT_FALSE(xrsort::DirExists("D:\\missing"));
  EXPECT_FALSE(xrsort::DirExists("Q:\\"));
  EXPECT_FALSE(xrsort::DirExists(""));
}

TEST(ParseHelpers, AvailableMemoryIsReported) {
  EXPECT_GT(xrsort::GetAvailPhysMemory(), 0u);
}
