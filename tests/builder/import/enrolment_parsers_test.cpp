#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/import/enrolment_row.h"

using builder::EnrolmentRow;

namespace {

struct Case {
  std::string line;
  bool parsed;
  std::string surname, preferred, year, roll_class;
  std::string flags;  // P no preferred name, Y no year, R no class, C too many commas
};

std::string Flags(const EnrolmentRow& row) {
  std::string flags;
  if (row.NoPreferredName) flags += 'P';
  if (row.NoYear) flags += 'Y';
  if (row.NoRollClass) flags += 'R';
  if (row.TooManyCommas) flags += 'C';
  return flags;
}

void Check(bool (*parse)(std::string_view, EnrolmentRow&), const std::vector<Case>& cases) {
  EnrolmentRow row;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ASSERT_EQ(parse(c.line, row), c.parsed);
    if (!c.parsed) continue;
    EXPECT_EQ(row.Surname, c.surname);
    EXPECT_EQ(row.PreferredName, c.preferred);
    EXPECT_EQ(row.YearCode, c.year);
    EXPECT_EQ(row.RollClass, c.roll_class);
    EXPECT_EQ(Flags(row), c.flags);
  }
}

}  // namespace

TEST(EnrolmentParsers, Console) {
  Check(builder::ParseConsoleLine, {
      {"LastName,FirstName,x,y,yr,rc,", false, "", "", "", "", ""},
      {"Smith,Jo,1,2,YR3,RC3A", false, "", "", "", "", ""},       // five commas
      {"  Smith , Jo ,1,2, YR3 , RC3A ,  ", true, "Smith", "Jo", "3", "3A", ""},
      {"Smith,Jo,,,yr10,rc 10 blue,x,y", true, "Smith", "Jo", "10", "10 blue", ""},
      {"Smith,Jo,,,YR 10,4B,", true, "Smith", "Jo", "10", "4B", ""},
      {"Smith,Jo,,,YR,RC,", true, "Smith", "Jo", "", "", ""},     // no level; an empty class
      {"Smith,Jo,,,K,RC123456789012345678901234,", true, "Smith", "Jo", "K",
       "12345678901234567890", ""},
      {"Smith,Jo,,,K,Kindy Blue and Gold Bees Hive,", true, "Smith", "Jo", "K",
       "Kindy Blue and Gold Bees Hive", ""},
      {"Smith,,,,,,", true, "Smith", "", "", "", "PYR"},
      {",Jo,,,YR3,RC3A,", false, "", "", "", "", ""},            // no surname
      {"Smith,Jo,,,", false, "", "", "", "", ""},                 // shorter than 10
      {"\"O'Neil\",\" Jo \",\"a\",\"b\",\"YR3\",\"RC3A\",", true, "O'Neil", "Jo", "3", "3A", ""},
      {"\"\",Jo,,,YR3,RC3A,", false, "", "", "", "", ""},
      {"Smith,\"\",,,\"\",\"\",", true, "Smith", "", "", "", "PYR"},
  });
}

TEST(EnrolmentParsers, School) {
  Check(builder::ParseSchoolLine, {
      {"Surname:,Given Name,Grade,Class", false, "", "", "", "", ""},
      {"surname:,Given Name,Grade,Class", true, "surname:", "Given Name", "Grade", "Class", ""},
      {"Smith,Jo,k,KB", true, "Smith", "Jo", "k", "KB", ""},
      {" Smith , Jo , 3 , 3TIN , x", true, "Smith", "Jo", "3", "3TIN , x", "C"},
      {"Smith,Jo,3,", true, "Smith", "Jo", "3", "", "R"},
      {"Smith,Jo,,3A,x", true, "Smith", "Jo", "", "3A,x", "YC"},
      {"Smith Jo", false, "", "", "", "", ""},                    // no comma
      {"Smith,Jo 3", true, "Smith", "", "", "", "P"},
      {"Smith,Jo,3 3A", true, "Smith", "Jo", "", "", "Y"},
      {"Sm,J,1", false, "", "", "", "", ""},                      // shorter than 7
      {"Smith,J", true, "Smith", "", "", "", "P"},
      {",Jo,3,3A", false, "", "", "", "", ""},
      {"Smith,Jo,3," + std::string(4, ' ') + std::string(30, 'a') + "bbb", true, "Smith", "Jo", "3",
       std::string(26, 'a'), ""},
      {"\"Smith\",\"Jo\",\"3\",\"  " + std::string(32, 'a') + "\"", true, "Smith", "Jo", "3",
       std::string(30, 'a'), ""},
  });
}
