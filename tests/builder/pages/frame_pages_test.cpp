// The school home page and the Year Pages page against their lines, and the
// page count of a page that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "builder/pages/level_writers.h"
#include "builder/pages/page_writers.h"
#include "expected_frame.h"
#include "platform/paths.h"
#include "school_fixture.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_drives.h"

using namespace builder;
using namespace pages_test;

TEST(HomePage, HomeFormWithTheYearAsTyped) {
  SchoolFixture school;
  school.settings.school_name = " Hill School ";
  school.settings.placement = site::ImagePlacement::Replicated;
  vb::ChDir("D:\\orvane");
  MainSchoolPage(school.run);

  EXPECT_EQ(school.ctx.PageCount, 1);
  const Lines expected =
      Head(" Hill School  Home Page") +
      Lines{"<div align=\"center\">",
            "<table border=\"0\" width=\"100%\">",
            "<tr>",
            "<center>",
            "<td width=\"10%\" bgcolor=\"#999966\">&nbsp;</td>",
            "</center>",
            "<td width=\"80%\">",
            "<center>",
            "<p align=\"center\"><font face=\"Arial\" size=\"6\">",
            "<b> Hill School </b></font></p>",
            "<p align=\"center\"><font face=\"Arial\">Home Page</font>",
            "</center>",
            "<p align=\"center\"><font face=\"Arial\" size=\"2\"><b><a href=\"2026/index.htm\">",
            "<img src=\"ovimages/but-yrpg.jpg\" width=\"127\" height=\"25\" border=\"0\" "
            "alt=\"Click to view the Year Pages...\">",
            "</a></b></font></p>",
            "<p align=\"center\">&nbsp;</p>",
            "</td>",
            "<td width=\"10%\" bgcolor=\"#999966\">&nbsp;</td>",
            "</tr>",
            "</table>",
            "</div>",
            "",
            "</body>",
            "",
            "</html>"};
  EXPECT_EQ(school.Lines("index.htm"), expected);
}

TEST(YearPages, TickedLevelsInTableOrderAndLastYearLink) {
  SchoolFixture school;
  school.settings.placement = site::ImagePlacement::Replicated;
  school.settings.levels[0] = school.settings.levels[2] = school.settings.levels[13] = true;
  school.settings.last_year_link = true;
  school.StartYear();

  EXPECT_EQ(school.ctx.PageCount, 1);
  const std::vector<ExpectedButton> home = {Btn("home", 1, false)};
  const Lines expected =
      Head("Year Pages") + TopRow("Hill Street School", home) + MiddleOpen(true) +
      Lines{"<p align=\"center\"><font face=\"Arial\" size=\"6\"><b>Years</b></font></p>",
            "<p align=\"center\"><font face=\"Arial\">Click on a Year to see the",
            "Class Pages for 2026</font>",
            "</center>",
            "<p align=\"center\"><font face=\"Arial\" size=\"2\"><b><a href=\"presch/index.htm\">",
            "Preschool</a></b></font></p>",
            "<p align=\"center\"><font face=\"Arial\" size=\"2\"><b><a href=\"year1/index.htm\">",
            "Year 1</a></b></font></p>",
            "<p align=\"center\"><font face=\"Arial\" size=\"2\"><b><a href=\"year12/index.htm\">",
            "Year 12</a></b></font></p>",
            "<p align=\"center\"><a href=\"../2025/index.htm\">",
            "<img border=\"0\" src=\"../ovimages/but-2025.jpg\" width=\"127\" height=\"25\" "
            "alt=\"Click here to see the Student Pages from 2025!\"></a></p>",
            "<p align=\"center\">&nbsp;",
            "<center>",
            "</center>"} +
      MiddleClose() + BottomRow("Hill Street School", home, true, false) + Tail(false);
  EXPECT_EQ(school.Lines("2026/index.htm"), expected);
  EXPECT_EQ(school.Tree(), (Lines{"index.htm", "masterstudent/", "presch/", "year1/", "year12/"}));
}

TEST(YearPages, ExistingFoldersAreReusedAndThePageWrittenWhole) {
  SchoolFixture school;
  school.settings.placement = site::ImagePlacement::Shared;
  school.settings.levels[4] = true;
  school.StartYear();
  const std::string first = school.Page("2026/index.htm");
  EXPECT_NE(first.find("src=\"../ovimages/but-home.jpg\""), std::string::npos);
  EXPECT_EQ(first.find("but-2025"), std::string::npos);

  YearIndexPage(school.run);
  PublishYearPages(school.run);
  EXPECT_EQ(school.Page("2026/index.htm"), first);
  EXPECT_EQ(school.ctx.PageCount, 2);
}

TEST(PageCount, RaisedBeforeThePageIsOpened) {
  SchoolFixture school;
  const std::filesystem::path elsewhere = school.site() / "elsewhere.htm";
  testing_support::WriteFile(elsewhere, "kept\r\n");
  std::filesystem::create_directories(school.site() / "class");
  // A link planted in the page's place is not followed: the page cannot be
  // written (70, the drive message), and it has been counted all the same.
  std::filesystem::create_symlink(elsewhere, school.site() / "index.htm");
  vb::ChDir("D:\\orvane");
  EXPECT_EQ(testing_support::ErrorOf([&] { MainSchoolPage(school.run); }), 70);
  EXPECT_EQ(school.ctx.PageCount, 1);

  std::filesystem::create_symlink(elsewhere, school.site() / "class" / "teacher.htm");
  vb::ChDir("D:\\orvane\\class");
  EXPECT_EQ(testing_support::ErrorOf([&] { TeachersNews(school.run); }), 70);
  EXPECT_EQ(school.ctx.PageCount, 2);
  EXPECT_EQ(testing_support::ReadFile(elsewhere), "kept\r\n");
}
