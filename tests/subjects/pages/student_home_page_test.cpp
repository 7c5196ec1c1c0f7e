#include <gtest/gtest.h>

#include "site/build_run.h"
#include "subjects/pages/subject_writers.h"
#include "tests/subjects/pages/subject_site.h"
#include "tests/support/error_of.h"

namespace fs = std::filesystem;
using namespace subjects_test;
using testing_support::ReadFile;

namespace {

const std::string kTopRow = R"(<div align="center">
  <table border="0" width="100%">
    <tr>
      <td width="100%">
        <p align="center"><font face="Times New Roman" size="2">
        <b> Sample School <br>
          </b></font><a href="../index.htm"><img border="0" src="but-stpg.jpg"
        alt="Click to see the pages of other students in my class..." width="127" height="25"></a>
          <a href="../../index.htm"><img border="0" src="but-clpg.jpg"
        alt="Click to return to the Classes list..." width="127" height="25"></a>
          <a href="../../../index.htm"><img border="0" src="but-yrpg.jpg"
        alt="Click to return to the Years pages..." width="127" height="25"></a>
          <a href="../../../../index.htm"><img border="0" src="but-home.jpg"
        alt="Click to return to our School's Home Page" width="127" height="25"></a>
      </td>
    </tr>
    <center>
)";

const std::string kGreeting = R"(                <div align="center">
                  <center>
                  <table border="0" cellpadding="5" width="99%">
                    <tr>
                      <td width="70%" valign="middle" align="center">
                <p align="center"><font face="Times New Roman">Hi! My name is</font></p>
                <p align="center"><font face="Times New Roman" size="6"><b>Jo Smith</b></font></p>
                <p align="center"><font face="Times New Roman">and this
                is my Home Page </font></p>
                <p align="center"><font size="2" face="Times New Roman">View my: <a href="work/" target="_blank">Work
                folder</a> / <a href="powerpoints/" target="_blank">PowerPoints
                folder</a> / <a href="images/" target="_blank">Images folder</a></font></p>
                      </td>
                      <td width="30%" valign="middle" align="center"><img border="0" src="owl.gif" width="179" height="191" alt="Replace this picture with a photo of yourself!"></td>
                    </tr>
                  </table>
                  </center>
                </div>
)";

const std::string kSubjectLinks = R"(                <div align="center">
                  <table border="0" width="90%">
                    <tr>
                      <td width="100%" colspan="4" bgcolor="#999966">
                        <p align="center"><b><font face="Times New Roman">Take a look
                        around the work I've been doing in school this year!</font></b></td>
                    </tr>
                    <tr>
                      <td width="10%"><a href="english/index.htm"><img border="0" src="but-clik.jpg"
                      alt="Click to see my work this year!" width="60" height="60"></a></td>
                      <td width="40%"><font size="2" face="Times New Roman">English</font></td>
                      <td width="10%"><a href="maths/index.htm"><img border="0" src="but-clik.jpg"
                      alt="Click to see my work this year!" width="60" height="60"></a></td>
                      <td width="40%"><font size="2" face="Times New Roman">Maths & <Stats></font></td>
                    </tr>
                    <tr>
                      <td width="100%" colspan="4" bgcolor="#999966">&nbsp;</td>
                    </tr>
                  </table>
                </div>
)";

const std::string kBottomRow = R"(    <tr>
      <td width="100%">
          <p align="center"><a href="../index.htm"><img border="0" src="but-stpg.jpg"
        alt="Click to see the pages of other students in my class..." width="127" height="25"></a>
            <a href="../../index.htm"><img border="0" src="but-clpg.jpg"
        alt="Click to return to the Classes list..." width="127" height="25"></a>
            <a href="../../../index.htm"><img border="0" src="but-yrpg.jpg"
        alt="Click to return to the Years pages..." width="127" height="25"></a>
            <a href="../../../../index.htm"><img border="0" src="but-home.jpg"
        alt="Click to return to our School's Home Page" width="127" height="25"><br>
        </a><font face="Times New Roman" size="2">
        <b> Sample School </b></font></p>
        <p>&nbsp;
      </td>
    </tr>
)";

// Jo Smith's page with replicated buttons and the two fixture groups.
std::string NamedPage() {
  return CrLfFromLf(Head("<title>Jo Smith's Home Page</title>") + kTopRow + kSideCellsOpen + kGreeting + kSubjectLinks +
              kSideCellsClose + kBottomRow + kTail);
}

std::string AsMasterPage(const std::string& page) {
  std::string master = ReplaceAll(page, "<title>Jo Smith's Home Page</title>", "<title>Student's Home Page</title>");
  return ReplaceAll(master, "<b>Jo Smith</b>", "<b>New Student</b>");
}

class StudentHomePage : public SubjectSite {};

TEST_F(StudentHomePage, NamedStudentPageLineForLine) {
  const fs::path folder = EnterStudent();
  subjects::WriteStudentHomePage(run);
  const std::string page = ReadFile(folder / "index.htm");
  EXPECT_EQ(page, NamedPage());
  EXPECT_EQ(CrLfLines(page).size(), 95u + 4 * 2);
  EXPECT_EQ(ctx.PageCount, 1);
}

TEST_F(StudentHomePage, MasterPageIsGeneric) {
  ctx.CurrentPreferredName = "Left";
  ctx.CurrentSurname = "Over";
  const fs::path folder = EnterMaster();
  subjects::WriteStudentHomePage(run);
  EXPECT_EQ(ReadFile(folder / "index.htm"), AsMasterPage(NamedPage()));
}

TEST_F(StudentHomePage, SharedPlacementClimbsToTheImageFolderOwlIncluded) {
  settings.placement = site::ImagePlacement::Shared;
  const fs::path folder = EnterStudent();
  subjects::WriteStudentHomePage(run);
  std::string expected = ReplaceAll(NamedPage(), "src=\"but-", "src=\"../../../../ovimages/but-");
  expected = ReplaceAll(expected, "src=\"owl.gif\"", "src=\"../../../../ovimages/owl.gif\"");
  EXPECT_EQ(ReadFile(folder / "index.htm"), expected);
}

TEST_F(StudentHomePage, MakesSubjectFoldersThenWorkFolders) {
  SetNumberedGroups(12, 2);
  const fs::path folder = EnterStudent();
  subjects::WriteStudentHomePage(run);
  for (const char* name : {"subj1", "subj12", "work", "images", "powerpoints"}) {
    EXPECT_TRUE(fs::is_directory(folder / name)) << name;
  }
  const std::string page = ReadFile(folder / "index.htm");
  EXPECT_EQ(CrLfLines(page).size(), 95u + 4 * 12);
  EXPECT_NE(page.find("<a href=\"subj11/index.htm\">"), std::string::npos);
  // Six rows of two: subjects 11 and 12 share the last.
  EXPECT_NE(page.find("Subject 11</font></td>\r\n"
                      "                      <td width=\"10%\"><a href=\"subj12/index.htm\">"),
            std::string::npos);
}

TEST_F(StudentHomePage, NoGroupsGivesOnlyTheHeadingAndClosingRows) {
  SetGroups({}, 2);
  const fs::path folder = EnterStudent();
  subjects::WriteStudentHomePage(run);
  const std::string page = ReadFile(folder / "index.htm");
  EXPECT_EQ(CrLfLines(page).size(), 95u);
  EXPECT_NE(page.find("this year!</font></b></td>\r\n                    </tr>\r\n                    <tr>\r\n"
                      "                      <td width=\"100%\" colspan=\"4\" bgcolor=\"#999966\">&nbsp;</td>"),
            std::string::npos);
}

TEST_F(StudentHomePage, ExistingFoldersAreUsedAsTheyAre) {
  const fs::path folder = EnterStudent();
  testing_support::WriteFile(folder / "english" / "essay.doc", "kept");
  fs::create_directories(folder / "work");
  subjects::WriteStudentHomePage(run);
  EXPECT_EQ(ReadFile(folder / "index.htm"), NamedPage());
  EXPECT_EQ(ReadFile(folder / "english" / "essay.doc"), "kept");
  for (const char* name : {"maths", "images", "powerpoints"}) {
    EXPECT_TRUE(fs::is_directory(folder / name)) << name;
  }
  EXPECT_EQ(ctx.PageCount, 1);
}

TEST_F(StudentHomePage, FileWhereAFolderGoesStopsTheWriterAfterCounting) {
  const fs::path folder = EnterStudent();
  testing_support::WriteFile(folder / "maths", "not a folder");
  site::PassOver75([&] { subjects::WriteStudentHomePage(run); });
  EXPECT_EQ(ctx.PageCount, 1);
  EXPECT_TRUE(fs::is_directory(folder / "english"));
  EXPECT_FALSE(fs::exists(folder / "work"));
  EXPECT_FALSE(fs::exists(folder / "index.htm"));
}

class PreviewPage : public SubjectSite {
 protected:
  PreviewPage() {
    preview = drives.root() / "program" / "fire" / "hsindexv.htm";
    fs::create_directories(preview.parent_path());
    ctx.OpenFile = preview.string();
    ctx.PreviewMode = 1;
    ctx.PageCount = 7;
  }
  fs::path preview;
};

TEST_F(PreviewPage, WritesOnlyTheSamplePageAndResetsTheModeWhateverHappens) {
  testing_support::WriteFile(preview, "an older preview, longer than nothing");
  const fs::path folder = EnterStudent();  // a named state must not leak into the sample
  subjects::WriteStudentHomePage(run);
  EXPECT_EQ(ReadFile(preview), AsMasterPage(NamedPage()));
  EXPECT_EQ(ctx.PreviewMode, 0);
  EXPECT_EQ(ctx.PageCount, 7);
  EXPECT_TRUE(fs::is_empty(folder));

  // The preview lies beside the theme's images whatever placement is chosen.
  settings.placement = site::ImagePlacement::Shared;
  ctx.PreviewMode = 1;
  subjects::WriteStudentHomePage(run);
  EXPECT_EQ(ReadFile(preview), AsMasterPage(NamedPage()));

  ctx.PreviewMode = 1;
  ctx.OpenFile = (drives.root() / "missing" / "hsindexa.htm").string();
  EXPECT_EQ(testing_support::ErrorOf([&] { subjects::WriteStudentHomePage(run); }), 76);
  EXPECT_EQ(ctx.PreviewMode, 0);
  EXPECT_EQ(ctx.PageCount, 7);
}

}  // namespace
