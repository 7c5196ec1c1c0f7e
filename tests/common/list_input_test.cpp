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
