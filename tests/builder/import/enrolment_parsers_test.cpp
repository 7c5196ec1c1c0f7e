#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "builder/import/enrolment_row.h"

using builder::EnrolmentRow;

namespace {

// "surname|preferred name|year|class|flags" (P no preferred name, Y no year,
// R no class, C too many commas), or "skipped".
std::string Parsed(bool (*parse)(std::string_view, EnrolmentRow&), const std::string& line) {
  EnrolmentRow row;
  if (!parse(line, row)) return "skipped";
  std::string flags;
  if (row.NoPreferredName) flags += 'P';
  if (row.NoYear) flags += 'Y';
  if (row.NoRollClass) flags += 'R';
  if (row.TooManyCommas) flags += 'C';
  return row.Surname + "|" + row.PreferredName + "|" + row.YearCode + "|" + row.RollClass + "|" +
         flags;
}

using Cases = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST(EnrolmentParsers, Console) {
  const Cases cases = {
      {"  Smith , Jo ,1,2, YR3 , RC3A ,  ", "Smith|Jo|3|3A|"},
      {"Smith,Jo,,,yr10,rc 10 blue,x,y", "Smith|Jo|10|10 blue|"},
      {"Smith,Jo,,,K,RC123456789012345678901234,", "Smith|Jo|K|12345678901234567890|"},
      {"Smith,Jo,,,K,Kindy Blue and Gold Bees Hive,", "Smith|Jo|K|Kindy Blue and Gold Bees Hive|"},
      {"Smith,,,,,,", "Smith||||PYR"},
      {"Smith,\"\",,,\"\",\"\",", "Smith||||PYR"},
      {"\"\",Jo,,,YR3,RC3A,", "skipped"},
      {",Jo,,,YR3,RC3A,", "skipped"},
      {"Smith,Jo,,,", "skipped"},
      // A value left beginning with a quote that nothing closes loses it.
      {"Smith,Jo,,,YR3,RC\"3A,", "Smith|Jo|3|3A|"},
      {"\"\"O'Neil\",Kim,,,YR3,RC3A,", "O'Neil|Kim|3|3A|"},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(Parsed(builder::ParseConsoleLine, line), expected) << line;
  }
}

TEST(EnrolmentParsers, School) {
  const Cases cases = {
      {"Smith,Jo,3,", "Smith|Jo|3||R"},
      {"Smith,Jo,,3A,x", "Smith|Jo||3A,x|YC"},
      {"Smith,J", "Smith||||P"},
      {"Smith,Jo 3", "Smith||||P"},
      {"Smith,Jo,3 3A", "Smith|Jo|||Y"},
      {"Sm,J,1", "skipped"},
      {"Smith Jo", "skipped"},
      {"Smith,Jo,3," + std::string(4, ' ') + std::string(30, 'a') + "b",
       "Smith|Jo|3|" + std::string(26, 'a') + "|"},
      {"\"Smith\",\"Jo\",\"3\",\"  " + std::string(32, 'a') + "\"",
       "Smith|Jo|3|" + std::string(30, 'a') + "|"},
      {"Smith,Jo,3,\"\"" + std::string(40, 'a') + "\"", "Smith|Jo|3|" + std::string(30, 'a') + "|"},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(Parsed(builder::ParseSchoolLine, line), expected) << line;
  }
}
