#include <gtest/gtest.h>

#include "site/build_run.h"
#include "subjects/pages/subject_writers.h"
#include "tests/subjects/pages/subject_site.h"
#include "tests/support/error_of.h"

namespace fs = std::filesystem;
using namespace subjects_test;
using testing_support::ReadFile;

namespace {

const std::string kContent = R"(                <p align="center"><font face="Times New Roman" size="6">
         <b>Topic 2 Title</b></font></p>
                <p align="center"><font face="Times New Roman">Create your web page in
                this cell containing pictures, links to other sites and
                information you type in or gather from other sources.&nbsp; You
                can change fonts, the background or whatever you like to make
                the page the way you'd like it to look.&nbsp; Just keep the top
                and bottom cells - the ones with the links back to the rest of
                the school's intranet.</font>
                <p align="center">&nbsp;
                <p align="center">&nbsp;
                <p align="center">&nbsp;
                <p align="center">&nbsp;
)";

const std::string kEvaluationTable = R"(                <div align="center">
                  <table border="0" cellpadding="5" cellspacing="5" width="98%">
                    <tr>
                      <td width="29%" bgcolor="#6699FF"><font face="Times New Roman" size="2"><b>Learning Process &amp; Self Evaluation:</b></font></td>
                      <td width="71%" bgcolor="#99CCFF">&nbsp;</td>
                    </tr>
                    <tr>
                      <td width="29%" bgcolor="#CC99FF"><font face="Times New Roman" size="2"><b>Teacher Evaluation:</b></font></td>
                      <td width="71%" bgcolor="#CCCCFF">&nbsp;</td>
                    </tr>
                  </table>
                </div>
)";

// The topic page's rows: those of the index page, but the first button
// leads to the subject's page and the school's line closes the cell.
std::string TopicRow(const std::string& index_row) {
  const std::string row = ReplaceAll(
      index_row,
      "<a href=\"../index.htm\"><img border=\"0\" src=\"../but-mypg.jpg\"\n"
      "        alt=\"Click here to return to My Home Page!\"",
      "<a href=\"index.htm\"><img border=\"0\" src=\"../but-mypg.jpg\"\n"
      "        alt=\"Click here to return to My Subject Page!\"");
  return ReplaceAll(row, "</b></font></p>\n        <p>&nbsp;\n      </td>\n", "</b></font></td>\n");
}

// Jo Smith's second topic with replicated buttons, with or without evaluation.
std::string NamedTopic2(bool evaluation) {
  return CrLfFromLf(Head("<title>Jo Smith - Topic 2</title>") + TopicRow(kIndexTopRow) + kSideCellsOpen + kContent +
              (evaluation ? kEvaluationTable : "") + kSideCellsClose + TopicRow(kIndexBottomRow) + kTail);
}

using TopicPages = SubjectSite;

TEST_F(TopicPages, NamedStudentPageLineForLine) {
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  subjects::WriteTopicPages(run);
  const std::string page = ReadFile(folder / "maths" / "topic2.htm");
  EXPECT_EQ(page, NamedTopic2(false));
  EXPECT_EQ(CrLfLines(page).size(), 80u);
  EXPECT_EQ(ReadFile(folder / "english" / "topic1.htm"),
            ReplaceAll(NamedTopic2(false), "Topic 2", "Topic 1"));
  EXPECT_EQ(ctx.PageCount, 4);
}

TEST_F(TopicPages, EvaluationSectionAddsItsTwelveLines) {
  settings.evaluation = true;
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  subjects::WriteTopicPages(run);
  const std::string page = ReadFile(folder / "english" / "topic2.htm");
  EXPECT_EQ(page, NamedTopic2(true));
  EXPECT_EQ(CrLfLines(page).size(), 92u);
}

TEST_F(TopicPages, MasterPagesAreGenericWithSharedImages) {
  settings.placement = site::ImagePlacement::Shared;
  const fs::path folder = EnterMaster();
  MakeSubjectFolders(folder);
  subjects::WriteTopicPages(run);
  std::string expected = ReplaceAll(NamedTopic2(false), "<title>Jo Smith - Topic 2</title>",
                                    "<title>Student - Topic 2</title>");
  expected = ReplaceAll(expected, "src=\"../but-", "src=\"../../../../../ovimages/but-");
  EXPECT_EQ(ReadFile(folder / "english" / "topic2.htm"), expected);
  EXPECT_EQ(ctx.MasterPath, "D:\\orvane\\2026\\masterstudent\\maths");
}

TEST_F(TopicPages, TwelveTopicsNumberedWithoutBlanks) {
  SetGroups({{"English", "english"}}, 12);
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  subjects::WriteTopicPages(run);
  EXPECT_EQ(ctx.PageCount, 12);
  EXPECT_FALSE(fs::exists(folder / "english" / "topic13.htm"));
  const std::string page = ReadFile(folder / "english" / "topic12.htm");
  EXPECT_NE(page.find("<title>Jo Smith - Topic 12</title>"), std::string::npos);
  EXPECT_NE(page.find("\r\n         <b>Topic 12 Title</b></font></p>\r\n"), std::string::npos);
}

TEST_F(TopicPages, NoTopicsStillEntersEverySubject) {
  SetGroups({{"English", "english"}, {"Maths", "maths"}}, 0);
  const fs::path folder = EnterMaster();
  MakeSubjectFolders(folder);
  subjects::WriteTopicPages(run);
  EXPECT_EQ(ctx.PageCount, 0);
  EXPECT_EQ(ctx.MasterPath, "D:\\orvane\\2026\\masterstudent\\maths");
}

TEST_F(TopicPages, PageThatCannotBeOpenedIsCountedAndRaisesAWriteError) {
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  fs::create_directories(folder / "english" / "topic2.htm");
  // A page that cannot be written is a write failure for the build's handler.
  EXPECT_EQ(testing_support::ErrorOf([&] { subjects::WriteTopicPages(run); }), 70);
  EXPECT_EQ(ctx.PageCount, 2);
  EXPECT_TRUE(fs::exists(folder / "english" / "topic1.htm"));
  EXPECT_FALSE(fs::exists(folder / "maths" / "topic1.htm"));
}

}  // namespace
