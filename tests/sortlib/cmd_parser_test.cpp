#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sortlib/xr_parse.h"

using xrsort::TXRCmdParser;

namespace {

using Calls = std::vector<std::string>;

// Records the callbacks as "S:name=value" and "P:text".
class Recorder : public TXRCmdParser {
 public:
  void DoSwitch(const std::string& name, const std::string& value) override {
    calls.push_back("S:" + name + "=" + value);
  }
  void DoParam(const std::string& param) override { calls.push_back("P:" + param); }
  Calls calls;
};

Calls CallsOf(const std::string& command_line) {
  Recorder r;
  r.Parse(command_line);
  return r.calls;
}

}  // namespace

// Only blanks and control characters separate, nothing quotes, and a switch
// has an upper-case name and a value of at most 255 characters.
TEST(Tokenizer, ParamsAndSwitches) {
  const std::string long_value(300, 'v');
  const std::pair<std::string, Calls> cases[] = {
      {"", {}},
      {" \t \r\n ", {}},
      {"a   b", {"P:a", "P:b"}},
      {"a\tb", {"P:a\tb"}},
      {"\"C:\\My Site\\x\"", {"P:\"C:\\My", "P:Site\\x\""}},
      {"\t in.txt \x01", {"P:in.txt"}},
      {"- /", {"P:-", "P:/"}},
      {"/=x", {"S:=x"}},
      {"/TEMP=x", {"S:TEMP=x"}},
      {"/t=tmp", {"S:T=tmp"}},
      {"-c1,5 /C=1,5", {"S:C=1,5", "S:C=1,5"}},
      {"/Quiet /\xe4x=1", {"S:Q=uiet", "S:\xe4X=1"}},
      {"/D=" + long_value, {"S:D=" + long_value.substr(0, 255)}},
      {"/D" + long_value, {"S:D=" + long_value.substr(0, 255)}},
  };
  for (const auto& [command_line, calls] : cases) {
    EXPECT_EQ(CallsOf(command_line), calls) << command_line.substr(0, 20);
  }
}
