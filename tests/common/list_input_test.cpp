#include "common/list_input.h"

#include <gtest/gtest.h>

#include "tests/support/error_of.h"

namespace {

using testing_support::ErrorOf;

std::vector<std::string> AllValues(const std::string& bytes, bool skip_blank_lines) {
  common::ListInput in(bytes, skip_blank_lines);
  std::vector<std::string> values;
  while (!in.Eof()) values.push_back(in.NextValue());
  return values;
}

}  // namespace

TEST(ListInput, QuotesEncloseCommasAndLineEndsSeparateLikeCommas) {
  EXPECT_EQ(AllValues("\"My Work\",2026\r\n\"0\"\r\n", false),
            (std::vector<std::string>{"My Work", "2026", "0"}));
  EXPECT_EQ(AllValues("\"Smith, Anna\",smith_anna,3b,year3\n\"x\" junk,y\r", false),
            (std::vector<std::string>{"Smith, Anna", "smith_anna", "3b", "year3", "x", "y"}));
  EXPECT_EQ(AllValues("  a  ,b", false), (std::vector<std::string>{"a", "b"}));
  common::ListInput in("a\r\n", false);
  in.NextValue();
  EXPECT_EQ(ErrorOf([&] { in.NextValue(); }), 62);
}

TEST(ListInput, BlankLinesGiveNoValueOnlyWhenSkipped) {
  EXPECT_EQ(AllValues("a,b\r\n\r\n   \r\nc,d\r\n\r\n", true),
            (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(AllValues("a\r\n\r\nb", false), (std::vector<std::string>{"a", "", "b"}));
}

TEST(ListInput, FilesSavedAsUtf8AreConverted) {
  EXPECT_EQ(common::FileText1252("\xEF\xBB\xBFZo\xC3\xAB"), "Zo\xEB");
  EXPECT_EQ(common::FileText1252("Zo\xC3\xAB,zo_\xC3\xAB"), "Zo\xEB,zo_\xEB");
  EXPECT_EQ(common::FileText1252("Zo\xEB,zo_\xEB"), "Zo\xEB,zo_\xEB");  // windows-1252 stays
}

// A file is taken for UTF-8 only when every sequence in it is well formed;
// anything else is windows-1252 and stays as it is.
TEST(ListInput, OnlyWellFormedUtf8IsConverted) {
  const struct {
    std::string tail;
    bool utf8;
    std::string converted_tail;
  } cases[] = {
      {"\xE2\x82\xAC", true, "\x80"},
      {"\xF0\x9F\x98\x80", true, "?"},       // four bytes, no windows-1252 character
      {"\xF4\x8F\xBF\xBF", true, "?"},       // U+10FFFF, the last code point
      {"\xC0\xAE", false, ""},                 // overlong, two bytes
      {"\xE0\x80\xAF", false, ""},             // overlong, three bytes
      {"\xF0\x8F\xBF\xBF", false, ""},         // overlong, four bytes
      {"\xED\xA0\x80", false, ""},             // a surrogate
      {"\xF4\x90\x80\x80", false, ""},         // past U+10FFFF
      {"\xF5\x80\x80\x80", false, ""},         // lead byte F5
      {"\xF8\x88\x80\x80\x80", false, ""},     // lead byte F8
      {"\xFF", false, ""},
      {"\xA9", false, ""},                     // a continuation byte alone
      {"\xE2\x82", false, ""},                 // cut off at the end
  };
  for (const auto& c : cases) {
    const std::string text = "Zo\xC3\xAB " + c.tail;
    EXPECT_EQ(common::FileText1252(text), c.utf8 ? "Zo\xEB " + c.converted_tail : text) << c.tail;
  }
}
