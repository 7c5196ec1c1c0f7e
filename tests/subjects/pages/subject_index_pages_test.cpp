#include <gtest/gtest.h>

#include "site/build_run.h"
#include "subjects/pages/subject_writers.h"
#include "tests/subjects/pages/subject_site.h"
#include "tests/support/error_of.h"

namespace fs = std::filesystem;
using namespace subjects_test;
using testing_support::ReadFile;

namespace {

const std::string kTopicLinks = R"(                <div align="center">
                  <table border="0" width="90%">
                    <tr>
                      <td width="100%" colspan="4" bgcolor="#999966">
                        <p align="center"><b><font face="Times New Roman">Take a look
                        around the work I've been doing in English this year!</font></b></td>
                    </tr>
                    <tr>
                      <td width="10%"><a href="topic1.htm"><img border="0" src="../but-clik.jpg"
                      alt="Click to see my work this year!" width="60" height="60"></a></td>
                      <td width="40%"><font size="2" face="Times New Roman">Topic 1 -
                        Edit this title to describe the page it will open</font></td>
                      <td width="10%"><a href="topic2.htm"><img border="0" src="../but-clik.jpg"
                      alt="Click to see my work this year!" width="60" height="60"></a></td>
                      <td width="40%"><font size="2" face="Times New Roman">Topic 2 -
                        Edit this title to describe the page it will open</font></td>
                    </tr>
                    <tr>
                      <td width="100%" colspan="4" bgcolor="#999966">&nbsp;</td>
                    </tr>
                  </table>
                </div>
)";

// Jo Smith's English page with replicated buttons and two topics.
std::string NamedEnglishPage() {
  return CrLfFromLf(Head("<title>Jo Smith's English Page</title>") + kIndexTopRow + kSideCellsOpen + kTopicLinks +
              kSideCellsClose + kIndexBottomRow + kTail);
}

using SubjectIndexPages = SubjectSite;

TEST_F(SubjectIndexPages, NamedStudentPageLineForLine) {
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  vb::ChDir("D:\\");  // the writer finds its folders by itself
  subjects::WriteSubjectPages(run);
  const std::string page = ReadFile(folder / "english" / "index.htm");
  EXPECT_EQ(page, NamedEnglishPage());
  EXPECT_EQ(CrLfLines(page).size(), 81u + 5 * 2);
  // The subject's name reaches the title and heading unescaped.
  const std::string maths = ReadFile(folder / "maths" / "index.htm");
  EXPECT_EQ(maths, ReplaceAll(NamedEnglishPage(), "English", "Maths & <Stats>"));
  EXPECT_EQ(ctx.PageCount, 2);
  EXPECT_EQ(vb::CurDir(), "D:\\orvane\\2026\\year7\\class1\\studnt1\\maths");
}

TEST_F(SubjectIndexPages, MasterPagesAreGenericAndLeaveMasterPathAtTheLastSubject) {
  ctx.CurrentPreferredName = "Left";
  ctx.CurrentSurname = "Over";
  const fs::path folder = EnterMaster();
  MakeSubjectFolders(folder);
  subjects::WriteSubjectPages(run);
  EXPECT_EQ(ReadFile(folder / "english" / "index.htm"),
            ReplaceAll(NamedEnglishPage(), "<title>Jo Smith's English Page</title>",
                       "<title>Student's English Page</title>"));
  EXPECT_EQ(ctx.MasterPath, "D:\\orvane\\2026\\masterstudent\\maths");
}

TEST_F(SubjectIndexPages, SharedPlacementClimbsFiveFolders) {
  settings.placement = site::ImagePlacement::Shared;
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  subjects::WriteSubjectPages(run);
  EXPECT_EQ(ReadFile(folder / "english" / "index.htm"),
            ReplaceAll(NamedEnglishPage(), "src=\"../but-", "src=\"../../../../../ovimages/but-"));
}

TEST_F(SubjectIndexPages, TopicRowsFollowTheTopicCount) {
  const fs::path folder = EnterStudent();
  struct Case {
    int topics;
    size_t rows;
  };
  for (const Case c : {Case{12, 6}, Case{3, 1}, Case{1, 0}, Case{0, 0}}) {
    SetGroups({{"English", "english"}}, c.topics);
    MakeSubjectFolders(folder);
    subjects::WriteSubjectPages(run);
    const std::string page = ReadFile(folder / "english" / "index.htm");
    EXPECT_EQ(CrLfLines(page).size(), 81u + 10 * c.rows) << c.topics;
    const std::string last = "topic" + std::to_string(2 * c.rows) + ".htm";
    if (c.rows > 0) {
      EXPECT_NE(page.find(last), std::string::npos) << c.topics;
    }
    EXPECT_EQ(page.find("topic" + std::to_string(2 * c.rows + 1) + ".htm"), std::string::npos) << c.topics;
  }
}

TEST_F(SubjectIndexPages, NoGroupsWritesNothing) {
  SetGroups({}, 2);
  EnterMaster();
  subjects::WriteSubjectPages(run);
  EXPECT_EQ(ctx.PageCount, 0);
  EXPECT_EQ(ctx.MasterPath, "D:\\orvane\\2026\\masterstudent");
}

TEST_F(SubjectIndexPages, MissingSubjectFolderIsPathNotFound) {
  const fs::path folder = EnterStudent();
  fs::create_directories(folder / "english");
  EXPECT_EQ(testing_support::ErrorOf([&] { subjects::WriteSubjectPages(run); }), 76);
  EXPECT_EQ(ctx.PageCount, 1);
}

TEST_F(SubjectIndexPages, PageThatCannotBeOpenedRaisesAWriteErrorUncounted) {
  SetNumberedGroups(4, 2);
  const fs::path folder = EnterStudent();
  MakeSubjectFolders(folder);
  fs::create_directories(folder / "subj2" / "index.htm");  // a folder where the page goes
  // A page that cannot be written is a write failure for the build's handler.
  EXPECT_EQ(testing_support::ErrorOf([&] { subjects::WriteSubjectPages(run); }), 70);
  EXPECT_EQ(ctx.PageCount, 1);
  EXPECT_TRUE(fs::exists(folder / "subj1" / "index.htm"));
  EXPECT_FALSE(fs::exists(folder / "subj3" / "index.htm"));
}

}  // namespace
