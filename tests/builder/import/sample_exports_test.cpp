// The sample exports shipped with the builder, read from the setup folder as
// a school's own exports would be.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "builder/import/enrolment_import.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using builder::EnrolmentFormat;
using testing_support::ReadFile;

namespace {

class SampleExports : public ::testing::Test {
 protected:
  SampleExports() : program_(drives_.root() / "program") {
    fs::create_directories(program_);
    ::setenv("ORVANE_OPEN_COMMAND", "true", 1);
  }
  ~SampleExports() override { ::unsetenv("ORVANE_OPEN_COMMAND"); }

  // Imports the sample `name` from C:\orvanesetup, as a start without "/F=" finds it.
  std::array<bool, 14> Import(const std::string& name) {
    const fs::path setup = drives_.drive('c') / "orvanesetup";
    fs::create_directories(setup);
    fs::copy_file(fs::path(ORVANE_SAMPLES_DIR) / name, setup / name);
    const builder::EnrolmentSource source = builder::ParseEnrolmentOption("");
    EXPECT_EQ(source.EnrolmentPath, "C:\\orvanesetup\\" + name);
    builder::NoProgressWindow progress;
    return builder::ImportEnrolment(source, program_.string() + "/", progress);
  }

  std::string List(const std::string& name) const { return ReadFile(program_ / name); }

  // Kinder and years 1 to 4 have students, no other level.
  static void ExpectFiveLevels(const std::array<bool, 14>& filed) {
    std::array<bool, 14> expected{};
    for (int level = 1; level <= 5; ++level) expected[level] = true;
    EXPECT_EQ(filed, expected);
  }

  // A student the rules of the import have to get right, in the list of their year.
  void ExpectNamesThatTestTheRules() const {
    EXPECT_NE(List("year3.txt").find("\r\nHadley,Noah,3T\r\n"), std::string::npos);
    EXPECT_NE(List("year3.txt").find("\r\nO'Brien,Siobhan,3T\r\n"), std::string::npos);
    EXPECT_NE(List("year2.txt").find("\r\nSmith-Jones,Mary-Kate,2S\r\n"), std::string::npos);
    EXPECT_NE(List("year4.txt").find("\r\nM\xFCller,Zo\xEB,4L\r\n"), std::string::npos);
  }

  testing_support::TempDrives drives_{"C"};
  fs::path program_;
  testing_support::ScriptedMessages messages_;
};

const std::string kAdvice =
    " \r\nIf you continue, Orvane pages will not be made for these students. Otherwise, exit "
    "Orvanesetup, correct these errors in your SCHOOL file, then re-run OrvaneSetup.\r\n";

}  // namespace

TEST_F(SampleExports, ConsoleExport) {
  ExpectFiveLevels(Import("StudentsRecord.csv"));
  ExpectNamesThatTestTheRules();
  EXPECT_EQ(List("errorlog.txt"),
            "In your school admin system, Brown Liam does not have a Scholastic Year entered.\r\n"
            "In your school admin system, Taylor does not have a preferred name entered.\r\n"
            "In your school admin system, Wilson Ella does not have a Roll Class entered.\r\n" +
                kAdvice);
  EXPECT_EQ(messages_.shown().size(), 1u);
}

TEST_F(SampleExports, SchoolExport) {
  ExpectFiveLevels(Import("school.csv"));
  ExpectNamesThatTestTheRules();
  EXPECT_EQ(List("errorlog.txt"),
            "In your school admin system, Brown Liam does not have a Scholastic Year entered.\r\n"
            "In your school.csv file, Kowalski does not have a preferred name entered.\r\n"
            "In your school.csv file, Lim Wei has too many comma delimiters.  Commas are not "
            "allowed in names.\r\n"
            "In your school.csv file, Taylor does not have a preferred name entered.\r\n"
            "In your school admin system, Wilson Ella does not have a Roll Class entered.\r\n" +
                kAdvice);
  EXPECT_EQ(messages_.shown().size(), 1u);
}
