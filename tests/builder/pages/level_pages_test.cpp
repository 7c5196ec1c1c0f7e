// The pages of a year level against their lines: class list, class page,
// teacher's news, student home page and topic page, in both placements.
#include <gtest/gtest.h>

#include <algorithm>

#include "expected_frame.h"
#include "school_fixture.h"

using namespace builder;
using namespace pages_test;

namespace {

const char* const kYear3 =
    "Smith,Anna,3B\r\nJones,Bob,3B\r\nBrown,Cy,3B\r\nO'Brien,Gus,3a\r\n"
    "Green,Di,3B\r\nWhite,Ed,3B\r\nBlack,Flo,3B\r\n";
const std::string kSchool = "Hill Street School";

struct Year3 : SchoolFixture {
  explicit Year3(site::ImagePlacement placement, bool portfolio = true, bool evaluation = true) {
    settings.placement = placement;
    settings.portfolio = portfolio;
    settings.evaluation = evaluation;
    settings.levels[4] = true;
    StartYear();
    BuildLevel(4, kYear3);
  }
};

std::vector<ExpectedButton> Buttons(std::initializer_list<const char*> kinds, int depth,
                                    bool shared) {
  std::vector<ExpectedButton> buttons;
  for (const char* kind : kinds) buttons.push_back(Btn(kind, depth, shared));
  return buttons;
}

Lines StudentCell(const std::string& folder, const std::string& name) {
  return {"<td width=\"20%\" bgcolor=\"#C0C0C0\" align=\"center\"><font face=\"Arial\" size=\"2\">",
          "<b><a href=\"" + folder + "/index.htm\">", name + "</a></b></font></td>"};
}

Lines EditHint() {
  return {"<p align=\"center\"><font face=\"Arial\">Create your web page in",
          "this cell containing pictures, links to other sites and",
          "information you type in or gather from other sources.&nbsp; You",
          "can change fonts, the background or whatever you like to make",
          "the page the way you'd like it to look.&nbsp; Just keep the top",
          "and bottom cells - the ones with the links back to the rest of",
          "the school's intranet.</font>",
          "<p align=\"center\">&nbsp;",
          "<p align=\"center\">&nbsp;",
          "<p align=\"center\">&nbsp;",
          "<p align=\"center\">&nbsp;"};
}

Lines Evaluation() {
  return {"<div align=\"center\">",
          "<table border=\"0\" cellpadding=\"5\" cellspacing=\"5\" width=\"98%\">",
          "<tr>",
          "<td width=\"29%\" bgcolor=\"#6699FF\"><font face=\"Arial\" size=\"2\"><b>Learning "
          "Process &amp; Self Evaluation:</b></font></td>",
          "<td width=\"71%\" bgcolor=\"#99CCFF\">&nbsp;</td>",
          "</tr>",
          "<tr>",
          "<td width=\"29%\" bgcolor=\"#CC99FF\"><font face=\"Arial\" size=\"2\"><b>Teacher "
          "Evaluation:</b></font></td>",
          "<td width=\"71%\" bgcolor=\"#CCCCFF\">&nbsp;</td>",
          "</tr>",
          "</table>",
          "</div>"};
}

Lines TopicCells(int t, bool portfolio) {
  const std::string n = std::to_string(t);
  Lines lines = {"<td width=\"10%\"><a href=\"topic" + n +
                     ".htm\"><img border=\"0\" src=\"../../../../ovimages/but-clik.jpg\"",
                 "alt=\"Click to see my work this year!\" width=\"60\" height=\"60\"></a></td>"};
  if (t == 12 && portfolio) {
    lines.push_back("<td width=\"40%\"><font size=\"2\" face=\"Arial\">My Writing Portfolio");
    lines.push_back("</font></td>");
  } else {
    lines.push_back("<td width=\"40%\"><font size=\"2\" face=\"Arial\">Topic " + n + " -");
    lines.push_back("Edit this title to describe the page it will open</font></td>");
  }
  return lines;
}

Lines HomeMiddle(const std::string& name, bool portfolio) {
  Lines lines = {
      "<div align=\"center\">",
      "<center>",
      "<table border=\"0\" cellpadding=\"5\" width=\"99%\">",
      "<tr>",
      "<td width=\"70%\" valign=\"middle\" align=\"center\">",
      "<p align=\"center\"><font face=\"Arial\">Hi! My name is</font></p>",
      "<p align=\"center\"><font face=\"Arial\" size=\"6\"><b>" + name + "</b></font></p>",
      "<p align=\"center\"><font face=\"Arial\">and this",
      "is my Home Page </font></p>",
      "<p align=\"center\"><font size=\"2\" face=\"Arial\">View my: <a href=\"work/\" "
      "target=\"_blank\">Work",
      "folder</a> / <a href=\"powerpoints/\" target=\"_blank\">PowerPoints",
      "folder</a> / <a href=\"images/\" target=\"_blank\">Images folder</a></font></p>",
      "</td>",
      "<td width=\"30%\" valign=\"middle\" align=\"center\"><img border=\"0\" "
      "src=\"../../../../ovimages/owl.gif\" width=\"179\" height=\"191\" alt=\"Replace this "
      "picture with a photo of yourself!\"></td>",
      "</tr>",
      "</table>",
      "</center>",
      "</div>",
      "<div align=\"center\">",
      "<table border=\"0\" width=\"90%\">",
      "<tr>",
      "<td width=\"100%\" colspan=\"4\" bgcolor=\"#999966\">",
      "<p align=\"center\"><b><font face=\"Arial\">Take a look",
      "around the work I've been doing in class this year!</font></b></td>",
      "</tr>"};
  for (int r = 1; r <= 6; ++r) {
    lines = lines + Lines{"<tr>"} + TopicCells(r, portfolio) + TopicCells(r + 6, portfolio) +
            Lines{"</tr>"};
  }
  return lines + Lines{"<tr>", "<td width=\"100%\" colspan=\"4\" bgcolor=\"#999966\">&nbsp;</td>",
                       "</tr>", "</table>", "</div>"};
}

Lines HomePage(const std::string& title, const std::string& name, bool portfolio) {
  const auto buttons = Buttons({"class", "classes", "years", "home"}, 4, true);
  return Head(title) + TopRow(kSchool, buttons) + Lines{"<center>"} + MiddleOpen(false) +
         HomeMiddle(name, portfolio) + MiddleClose() + BottomRow(kSchool, buttons, false, true) +
         Tail(true);
}

Lines TopicPage(const std::string& title, int t, bool evaluation) {
  const auto buttons = Buttons({"mypage", "class", "classes", "years", "home"}, 4, true);
  const std::string n = std::to_string(t);
  return Head(title) + TopRow(kSchool, buttons) + Lines{"<center>"} + MiddleOpen(false) +
         Lines{"<p align=\"center\"><font face=\"Arial\" size=\"6\">",
               "<b>Topic " + n + " Title</b></font></p>"} +
         EditHint() + (evaluation ? Evaluation() : Lines{}) + MiddleClose() +
         BottomRow(kSchool, buttons, false, false) + Tail(true);
}

// A Shared page as the Replicated build writes it: bare image names.
std::string Replicated(std::string page, const std::string& chain) {
  for (size_t at; (at = page.find(chain + "ovimages/")) != std::string::npos;) {
    page.erase(at, chain.size() + 9);
  }
  return page;
}

}  // namespace

TEST(LevelPages, ClassListPage) {
  Year3 school(site::ImagePlacement::Shared);
  const auto buttons = Buttons({"years", "home"}, 2, true);
  const Lines expected =
      Head("Class Pages") + TopRow(kSchool, buttons) + MiddleOpen(true) +
      Lines{"<p align=\"center\"><font face=\"Arial\" size=\"6\"><b>Year Three</b></font></p>",
            "<p align=\"center\"><font face=\"Arial\">Click on a Class name",
            "to see the Student Pages</font>",
            "</center>",
            "",
            "<p align=\"center\"><font face = \"Arial\" Size = \"2\">",
            "<b><a href=\"class1/index.htm\">",
            "3B</a></b></font></p>",
            "<p align=\"center\"><font face = \"Arial\" Size = \"2\">",
            "<b><a href=\"class2/index.htm\">",
            "3a</a></b></font></p>",
            "<p align=\"center\">&nbsp;",
            "<center>",
            "</center>"} +
      MiddleClose() + BottomRow(kSchool, buttons, true, false) + Tail(false);
  EXPECT_EQ(school.Lines("2026/year3/index.htm"), expected);
}

TEST(LevelPages, ClassPageHoldsFiveStudentsARow) {
  Year3 school(site::ImagePlacement::Shared);
  const auto buttons = Buttons({"classes", "years", "home"}, 3, true);
  const Lines expected =
      Head("Class 3B") + TopRow(kSchool, buttons) + Lines{"<center>"} + MiddleOpen(false) +
      Lines{"<p align=\"center\"><font face=\"Arial\" size=\"6\"><b>Class 3B</b></font></p>",
            "<p align=\"center\"><font face=\"Arial\">Teacher: <b>Teacher's Name</b></font><br>",
            "<div align=\"center\">",
            "<table border=\"0\" width=\"30%\">",
            "<tr>",
            "<td width=\"22%\"><a href=\"teacher.htm\"><img border=\"0\" "
            "src=\"../../../ovimages/but-clik.jpg\"",
            "width=\"60\" height=\"60\" alt=\"Click to view the Teacher's News page\"></a></td>",
            "<td width=\"78%\">",
            "<p align=\"center\"><font face=\"Arial\"><b>Teacher's News</b></font></p>",
            "</td>",
            "</tr>",
            "</table>",
            "</div>",
            "<p align=\"center\"><font face=\"Arial\" size=\"2\">Click on a Student's name",
            "to view their homepage<br>",
            "<b>WARNING:</b> Do <b><u>NOT</u></b> edit ANY webpages other than your own!</font>",
            "<div align=\"center\">",
            "<table border=\"0\" width=\"90%\">",
            "",
            "<tr>"} +
      StudentCell("studnt1", "Anna Smith") + StudentCell("studnt2", "Bob Jones") +
      StudentCell("studnt3", "Cy Brown") + StudentCell("studnt4", "Di Green") +
      StudentCell("studnt5", "Ed White") + Lines{"</tr>", "<tr>"} +
      StudentCell("studnt6", "Flo Black") + Lines{"", "</tr>", "</table>", "</div>"} +
      MiddleClose() + BottomRow(kSchool, buttons, true, false) + Tail(true);
  EXPECT_EQ(school.Lines("2026/year3/class1/index.htm"), expected);
}

TEST(LevelPages, TeachersNewsIsTheSameForEveryClass) {
  Year3 school(site::ImagePlacement::Shared);
  const auto buttons = Buttons({"class", "classes", "years", "home"}, 3, true);
  const Lines expected =
      Head("Teacher's News") + TopRow(kSchool, buttons) + Lines{"<center>"} + MiddleOpen(false) +
      Lines{"<p align=\"center\"><font face=\"Arial\" size=\"6\">",
            "<b>Teacher's News</b></font></p>"} +
      EditHint() + MiddleClose() + BottomRow(kSchool, buttons, false, false) + Tail(true);
  EXPECT_EQ(school.Lines("2026/year3/class1/teacher.htm"), expected);
  EXPECT_EQ(school.Page("2026/year3/class2/teacher.htm"),
            school.Page("2026/year3/class1/teacher.htm"));
}

TEST(LevelPages, StudentHomePageNamedAndMaster) {
  Year3 school(site::ImagePlacement::Shared);
  const Lines anna = HomePage("Anna Smith's Home Page", "Anna Smith", true);
  EXPECT_EQ(school.Lines("2026/year3/class1/studnt1/index.htm"), anna);
  EXPECT_EQ(school.Lines("2026/masterstudent/index.htm"),
            HomePage("Student's Home Page", "New Student", true));
  EXPECT_EQ(school.Lines("2026/year3/class2/masterstudent/index.htm"),
            HomePage("Student's Home Page", "New Student", true));
  EXPECT_EQ(school.Lines("2026/year3/class2/studnt1/index.htm"),
            HomePage("Gus O'Brien's Home Page", "Gus O'Brien", true));
}

TEST(LevelPages, TopicPagesNamedAndMaster) {
  Year3 school(site::ImagePlacement::Shared);
  EXPECT_EQ(school.Lines("2026/year3/class1/studnt2/topic7.htm"),
            TopicPage("Bob Jones - Topic 7", 7, true));
  EXPECT_EQ(school.Lines("2026/masterstudent/topic11.htm"),
            TopicPage("Student - Topic 11", 11, true));
}

TEST(LevelPages, WithoutPortfolioOrEvaluation) {
  Year3 school(site::ImagePlacement::Shared, false, false);
  EXPECT_EQ(school.Lines("2026/year3/class1/studnt1/index.htm"),
            HomePage("Anna Smith's Home Page", "Anna Smith", false));
  EXPECT_EQ(school.Lines("2026/year3/class1/studnt1/topic12.htm"),
            TopicPage("Anna Smith - Topic 12", 12, false));
  EXPECT_EQ(school.Lines("2026/masterstudent/topic3.htm"),
            TopicPage("Student - Topic 3", 3, false));
}

TEST(LevelPages, ReplicatedPlacementUsesBareImageNames) {
  Year3 shared(site::ImagePlacement::Shared);
  const std::string shared_pages[][2] = {
      {"2026/year3/index.htm", "../../"},
      {"2026/year3/class1/index.htm", "../../../"},
      {"2026/year3/class1/teacher.htm", "../../../"},
      {"2026/year3/class1/studnt4/index.htm", "../../../../"},
      {"2026/year3/class1/studnt4/topic5.htm", "../../../../"},
      {"2026/masterstudent/index.htm", "../../../../"},
  };
  std::vector<std::string> expected;
  for (const auto& page : shared_pages)
    expected.push_back(Replicated(shared.Page(page[0]), page[1]));

  Year3 replicated(site::ImagePlacement::Replicated);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(replicated.Page(shared_pages[i][0]), expected[i]) << shared_pages[i][0];
  }
}
