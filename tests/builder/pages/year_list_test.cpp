#include "builder/pages/year_list.h"

#include <gtest/gtest.h>

#include "tests/support/error_of.h"

#include "platform/vb_error.h"

using namespace builder;

namespace {

using testing_support::ErrorOf;

std::vector<std::string> Flat(const std::vector<LevelRow>& rows) {
  std::vector<std::string> values;
  for (const LevelRow& row : rows) {
    values.push_back(row.Surname);
    values.push_back(row.PreferredName);
    values.push_back(row.RollClass);
  }
  return values;
}

std::string Rows(int count, const std::string& class_prefix, bool distinct_classes) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "S" + std::to_string(i) + ",P," + class_prefix +
            (distinct_classes ? std::to_string(i) : "") + "\r\n";
  }
  return text;
}

}  // namespace

TEST(YearList, ListInputRules) {
  // Blanks around values, quotes with a comma inside, text after a closing quote.
  EXPECT_EQ(Flat(ReadYearList("  Smith , Jo ,  3A  \r\n\"Lee, Jr\",\"Al\"x,\" 4B \"\r\n")),
            (std::vector<std::string>{"Smith", "Jo", "3A", "Lee, Jr", "Al", "4B"}));
  // Lines are not rows: a short line takes its class from the next line.
  EXPECT_EQ(Flat(ReadYearList("Smith,Jo\r\n3A,Lee,Al\r\n4B\r\n")),
            (std::vector<std::string>{"Smith", "Jo", "3A", "Lee", "Al", "4B"}));
  // An empty line gives one empty value; the last line may lack its end.
  EXPECT_EQ(Flat(ReadYearList("Smith,Jo,\r\n\r\nLee,Al")),
            (std::vector<std::string>{"Smith", "Jo", "", "", "Lee", "Al"}));
  EXPECT_TRUE(ReadYearList("").empty());
}

TEST(YearList, EndInsideARowRaises62) {
  EXPECT_EQ(ErrorOf([] { ReadYearList("Smith,Jo\r\n"); }), 62);
  EXPECT_EQ(ErrorOf([] { ReadYearList("Smith,Jo,3A\r\n\r\n"); }), 62);  // trailing empty line
  EXPECT_EQ(ErrorOf([] { ReadYearList("Smith,Jo,3A,\r\n"); }), 62);     // trailing comma
  EXPECT_EQ(ErrorOf([] { ReadYearList("Smith,Jo,3A\r\n"); }), 0);
}

TEST(YearList, FiveHundredRowsAndOneHundredClasses) {
  EXPECT_EQ(ReadYearList(Rows(500, "C", false)).size(), 500u);
  EXPECT_EQ(ErrorOf([] { ReadYearList(Rows(501, "C", false)); }), 9);
  EXPECT_EQ(CollectClasses(ReadYearList(Rows(100, "C", true)), site::FolderNaming::Generic).size(), 100u);
  EXPECT_EQ(
      ErrorOf([] { CollectClasses(ReadYearList(Rows(101, "C", true)), site::FolderNaming::Generic); }),
      9);
}

TEST(YearList, ClassesInOrderOfFirstRowComparedExactly) {
  const auto rows =
      ReadYearList("A,a,3B\r\nB,b,3a\r\nC,c,3B\r\nD,d,3A\r\nE,e,5/6 B\r\nF,f, . \r\n");
  const auto generic = CollectClasses(rows, site::FolderNaming::Generic);
  ASSERT_EQ(generic.size(), 5u);
  EXPECT_EQ(generic[0].ClassName, "3B");
  EXPECT_EQ(generic[1].ClassName, "3a");
  EXPECT_EQ(generic[2].ClassName, "3A");
  EXPECT_EQ(generic[3].ClassFolderName, "class4");
  const auto named = CollectClasses(rows, site::FolderNaming::FromNames);
  EXPECT_EQ(named[1].ClassFolderName, "3a");
  EXPECT_EQ(named[2].ClassFolderName, "3a2");  // 3a and 3A never share a folder
  EXPECT_EQ(named[3].ClassName, "5/6 B");
  EXPECT_EQ(named[3].ClassFolderName, "56b");
  EXPECT_EQ(named[4].ClassName, ".");
  EXPECT_EQ(named[4].ClassFolderName, "class5");  // an empty safe name is not the level folder
}
