// The sample enrolment exports: the bytes a school's export would have, and
// the rows that show the import's rules at work.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shipped_files.h"
#include "tests/support/page_text.h"
#include "tests/support/site_pages.h"
#include "tests/support/temp_drives.h"

using namespace assets_test;
using testing_support::CrLfLines;
using testing_support::ReadFile;

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line + ",");
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

void ExpectExportBytes(const std::string& bytes) {
  EXPECT_GE(bytes.size(), 100u);
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(testing_support::LineEndFault(bytes), "");
  // An accented letter is one windows-1252 byte, never a UTF-8 pair.
  EXPECT_NE(bytes.find("\xEB"), std::string::npos) << "e with diaeresis";
  EXPECT_EQ(bytes.find("\xC3\xAB"), std::string::npos);
}

}  // namespace

TEST(SamplesTest, ConsoleExport) {
  std::string bytes = ReadFile(AssetsDir() / "samples" / "StudentsRecord.csv");
  ExpectExportBytes(bytes);
  std::vector<std::string> lines = CrLfLines(bytes);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("LastName,FirstName,", 0), 0u);
  std::set<std::string> years, classes;
  int students = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> f = Fields(lines[i]);
    if (f.size() < 7 || f[1].empty() || f[4].size() < 3 || f[5].size() < 3) continue;
    ++students;
    std::string year = f[4].substr(2);
    year.erase(0, year.find_first_not_of(' '));
    years.insert(year);
    classes.insert(f[5].substr(2));
  }
  EXPECT_GE(students, 140);
  EXPECT_LE(students, 160);
  EXPECT_EQ(years.size(), 5u);
  EXPECT_EQ(classes.size(), 8u);
}

TEST(SamplesTest, SchoolExport) {
  std::string bytes = ReadFile(AssetsDir() / "samples" / "school.csv");
  ExpectExportBytes(bytes);
  std::vector<std::string> lines = CrLfLines(bytes);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("Surname:", 0), 0u);
  std::set<std::string> classes;
  int students = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> f = Fields(lines[i]);
    if (f.size() != 4 || f[1].empty() || f[2].empty() || f[3].empty()) continue;
    ++students;
    classes.insert(f[3]);
  }
  EXPECT_GE(students, 140);
  EXPECT_LE(students, 160);
  EXPECT_EQ(classes.size(), 8u);
}

TEST(SamplesTest, BothExportsHoldNamesThatTestTheRules) {
  for (const char* name : {"StudentsRecord.csv", "school.csv"}) {
    std::string bytes = ReadFile(AssetsDir() / "samples" / name);
    SCOPED_TRACE(name);
    EXPECT_NE(bytes.find("O'Brien"), std::string::npos);
    EXPECT_NE(bytes.find("Smith-Jones,Mary-Kate"), std::string::npos);
    EXPECT_NE(bytes.find("M\xFCller,Zo\xEB"), std::string::npos);
    EXPECT_NE(bytes.find("Taylor,,"), std::string::npos) << "row without a preferred name";
    EXPECT_NE(bytes.find("1/2W"), std::string::npos) << "class name with a slash";
  }
}
