#include <gtest/gtest.h>

#include "builder/import/enrolment_import.h"
#include "tests/support/temp_drives.h"

using builder::EnrolmentFormat;
using builder::ParseEnrolmentOption;
using testing_support::TempDrives;
using testing_support::WriteFile;

TEST(EnrolmentOption, WithoutTheOptionTheSetupFolderDecides) {
  TempDrives drives("C");
  // Neither export: the school export, whose message explains the format.
  auto source = ParseEnrolmentOption("");
  EXPECT_EQ(source.EnrolmentPath, "C:\\orvanesetup\\school.csv");
  EXPECT_EQ(source.Format, EnrolmentFormat::School);

  WriteFile(drives.drive('c') / "OrvaneSetup/school.csv", "x");
  source = ParseEnrolmentOption("  -x /G=y ");
  EXPECT_EQ(source.EnrolmentPath, "C:\\orvanesetup\\school.csv");
  EXPECT_EQ(source.Format, EnrolmentFormat::School);

  // The console export wins, found in any case.
  WriteFile(drives.drive('c') / "OrvaneSetup/studentsrecord.CSV", "x");
  source = ParseEnrolmentOption("");
  EXPECT_EQ(source.EnrolmentPath, "C:\\orvanesetup\\StudentsRecord.csv");
  EXPECT_EQ(source.Format, EnrolmentFormat::Console);

  // Without drive C, the school export too.
  TempDrives no_c("D");
  EXPECT_EQ(ParseEnrolmentOption("").EnrolmentPath, "C:\\orvanesetup\\school.csv");
}

TEST(EnrolmentOption, PathAfterTheOption) {
  TempDrives drives("C");
  auto source = ParseEnrolmentOption("  -v /f= D:\\exports\\Students Record.csv  ");
  EXPECT_EQ(source.EnrolmentPath, "D:\\exports\\Students Record.csv");
  EXPECT_EQ(source.Format, EnrolmentFormat::Console);

  // With no blank after "=", the first character is lost.
  source = ParseEnrolmentOption("/F=D:\\x.csv");
  EXPECT_EQ(source.EnrolmentPath, ":\\x.csv");

  source = ParseEnrolmentOption("/F=");
  EXPECT_EQ(source.EnrolmentPath, "");

  const std::string long_path = "D:\\" + std::string(120, 'a');
  source = ParseEnrolmentOption("/F= " + long_path);
  EXPECT_EQ(source.EnrolmentPath, long_path.substr(0, 100));
}

TEST(EnrolmentOption, SchoolFormatByTheFileName) {
  TempDrives drives("C");
  EXPECT_EQ(ParseEnrolmentOption("/F= D:\\exp\\School.CSV").Format, EnrolmentFormat::School);
  EXPECT_EQ(ParseEnrolmentOption("/F= /home/jo/school.csv").Format, EnrolmentFormat::School);
  EXPECT_EQ(ParseEnrolmentOption("/F= D:\\school.csv.bak").Format, EnrolmentFormat::Console);
  EXPECT_EQ(ParseEnrolmentOption("/F= D:\\myschool.csv").Format, EnrolmentFormat::Console);
}
