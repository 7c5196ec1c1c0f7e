// Whole year levels: the folder tree, the student list records, the page
// count, the progress quips, the master copies and the table bounds.
#include <gtest/gtest.h>

#include "tests/support/error_of.h"

#include <algorithm>
#include <filesystem>

#include "builder/pages/progress_quips.h"
#include "platform/vb_error.h"
#include "school_fixture.h"
#include "tests/support/temp_drives.h"

using namespace builder;
using pages_test::SchoolFixture;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

const char* const kSmallYear3 = "Smith,Anna,3B\r\nO'Brien,Gus,3a\r\nJones,Bob,3B\r\n";

// What a student (or master) folder holds, under `prefix`.
Lines StudentFolder(const std::string& prefix, bool portfolio, bool replicated) {
  Lines entries = {prefix + "/", prefix + "/images/", prefix + "/index.htm",
                   prefix + "/powerpoints/", prefix + "/work/"};
  for (int t = 1; t <= 12; ++t) entries.push_back(prefix + "/topic" + std::to_string(t) + ".htm");
  if (portfolio) {
    entries.push_back(prefix + "/writing/");
    for (int d = 1; d <= 6; ++d) {
      entries.push_back(prefix + "/writing/writing" + std::to_string(d) + ".doc");
    }
  }
  if (replicated) {
    for (const char* image : {"but-yrpg.jpg", "but-clpg.jpg", "but-home.jpg", "but-stpg.jpg",
                              "but-mypg.jpg", "but-clik.jpg", "owl.gif"}) {
      entries.push_back(prefix + "/" + image);
    }
  }
  return entries;
}

Lines Sorted(Lines entries) {
  std::sort(entries.begin(), entries.end());
  return entries;
}

using testing_support::ErrorOf;

}  // namespace

TEST(LevelBuild, FolderTreeOfASmallSchool) {
  SchoolFixture school;
  school.settings.placement = site::ImagePlacement::Shared;
  school.settings.levels[4] = true;
  school.StartYear();
  school.BuildLevel(4, kSmallYear3);

  Lines expected = {"index.htm", "year3/", "year3/index.htm"};
  for (std::string c : {"year3/class1", "year3/class2"}) {
    expected.push_back(c + "/");
    expected.push_back(c + "/index.htm");
    expected.push_back(c + "/teacher.htm");
  }
  for (std::string folder :
       {"masterstudent", "year3/class1/masterstudent", "year3/class1/studnt1",
        "year3/class1/studnt2", "year3/class2/masterstudent", "year3/class2/studnt1"}) {
    const Lines student = StudentFolder(folder, true, false);
    expected.insert(expected.end(), student.begin(), student.end());
  }
  EXPECT_EQ(school.Tree(), Sorted(expected));

  // The year pages, the class list, two class and two teacher pages, and 13
  // pages for each of three students and the master.
  EXPECT_EQ(school.ctx.PageCount, 1 + 1 + 4 + 4 * 13);
  EXPECT_EQ(school.ctx.MasterFlag, 1);
  EXPECT_EQ(testing_support::ReadFile(school.site() / "2026/year3/class1/studnt2/topic12.htm"),
            "<html>writing</html>\r\n");
  EXPECT_EQ(testing_support::ReadFile(school.site() / "2026/masterstudent/writing/writing6.doc"),
            "{\\rtf1 writing}");
}

TEST(LevelBuild, ReplicatedButtonSetsWithoutPortfolio) {
  SchoolFixture school;
  school.settings.placement = site::ImagePlacement::Replicated;
  school.settings.portfolio = false;
  school.settings.levels[4] = true;
  school.StartYear();
  school.BuildLevel(4, "Smith,Anna,3B\r\n");

  Lines expected = {"index.htm",
                    "year3/",
                    "year3/but-clpg.jpg",
                    "year3/but-home.jpg",
                    "year3/but-yrpg.jpg",
                    "year3/index.htm",
                    "year3/class1/",
                    "year3/class1/index.htm",
                    "year3/class1/teacher.htm"};
  for (const char* image :
       {"but-yrpg.jpg", "but-clik.jpg", "but-clpg.jpg", "but-home.jpg", "but-stpg.jpg"}) {
    expected.push_back(std::string("year3/class1/") + image);
  }
  for (std::string folder :
       {"masterstudent", "year3/class1/masterstudent", "year3/class1/studnt1"}) {
    const Lines student = StudentFolder(folder, false, true);
    expected.insert(expected.end(), student.begin(), student.end());
  }
  // The year folder's own buttons are the driver's to copy.
  EXPECT_EQ(school.Tree(), Sorted(expected));
  EXPECT_EQ(testing_support::ReadFile(school.site() / "2026/year3/class1/studnt1/owl.gif"),
            "img owl.gif");
}

TEST(LevelBuild, StudentListRecordsByteExact) {
  SchoolFixture school;
  school.settings.levels[4] = school.settings.levels[5] = true;
  school.StartYear();
  school.BuildLevel(4, kSmallYear3);
  school.BuildLevel(5, "Van Der Berg,J.P.,4 Blue\r\n");
  EXPECT_EQ(school.StudentList(),
            "zzStudent Master,masterstudent,class1,year3\r\n"
            "Smith Anna,studnt1,class1,year3\r\n"
            "Jones Bob,studnt2,class1,year3\r\n"
            "zzStudent Master,masterstudent,class2,year3\r\n"
            "O'Brien Gus,studnt1,class2,year3\r\n"
            "zzStudent Master,masterstudent,class1,year4\r\n"
            "Van Der Berg J.P.,studnt1,class1,year4\r\n");
}

TEST(LevelBuild, NamesBasedFoldersNeverShareOnCollision) {
  SchoolFixture school;
  school.settings.naming = site::FolderNaming::FromNames;
  school.settings.levels[4] = true;
  school.StartYear();
  school.BuildLevel(4, "Van Der Berg,J.P.,5/6 B\r\nvanderberg,jp,5/6 B\r\nLee,Al,56b\r\n");
  EXPECT_EQ(school.StudentList(),
            "zzStudent Master,masterstudent,56b,year3\r\n"
            "Van Der Berg J.P.,vanderberg_jp,56b,year3\r\n"
            "vanderberg jp,vanderberg_jp2,56b,year3\r\n"
            "zzStudent Master,masterstudent,56b2,year3\r\n"
            "Lee Al,lee_al,56b2,year3\r\n");
  EXPECT_NE(school.Page("2026/year3/56b/index.htm").find("<title>Class 5/6 B</title>"),
            std::string::npos);
  EXPECT_NE(school.Page("2026/year3/56b2/index.htm").find("<title>Class 56b</title>"),
            std::string::npos);
  EXPECT_NE(school.Page("2026/year3/56b/vanderberg_jp/index.htm").find("J.P. Van Der Berg"),
            std::string::npos);
  EXPECT_NE(school.Page("2026/year3/56b/vanderberg_jp2/index.htm").find("jp vanderberg"),
            std::string::npos);
}

TEST(LevelBuild, MasterPassOnceInTheFirstLevelWithRows) {
  SchoolFixture school;
  school.settings.levels[3] = school.settings.levels[4] = school.settings.levels[5] = true;
  school.StartYear();
  school.BuildLevel(3, "");
  EXPECT_EQ(school.ctx.MasterFlag, 0);
  EXPECT_EQ(school.ctx.PageCount, 2);  // the empty level still has its class list
  EXPECT_TRUE(fs::is_regular_file(school.site() / "2026/year2/index.htm"));
  school.BuildLevel(4, "Smith,Anna,3B\r\n");
  EXPECT_EQ(school.ctx.MasterFlag, 1);
  const double after_first = school.ctx.PageCount;
  fs::remove(school.site() / "2026/masterstudent/topic1.htm");
  school.BuildLevel(5, "Lee,Al,4C\r\n");
  EXPECT_EQ(school.ctx.PageCount, after_first + 1 + 2 + 13);  // no second master pass
  EXPECT_FALSE(fs::exists(school.site() / "2026/masterstudent/topic1.htm"));
  // The class copy mirrors the year's master folder as it is.
  EXPECT_FALSE(fs::exists(school.site() / "2026/year4/class1/masterstudent/topic1.htm"));
  EXPECT_TRUE(fs::is_regular_file(school.site() / "2026/year4/class1/masterstudent/topic2.htm"));
}

TEST(LevelBuild, SubjectLayoutWritesNoPrimaryPages) {
  SchoolFixture school;
  school.settings.layout = site::PageLayout::Subject;
  school.settings.levels[4] = true;
  school.StartYear();
  school.BuildLevel(4, "Smith,Anna,3B\r\n");
  EXPECT_FALSE(fs::exists(school.site() / "2026/year3/class1/studnt1/topic1.htm"));
  EXPECT_FALSE(fs::exists(school.site() / "2026/year3/class1/studnt1/writing"));
  EXPECT_FALSE(fs::exists(school.site() / "2026/masterstudent/topic1.htm"));
  EXPECT_TRUE(fs::is_regular_file(school.site() / "2026/year3/class1/teacher.htm"));
  EXPECT_EQ(school.ctx.MasterFlag, 1);
}

TEST(LevelBuild, ProgressQuipsRunOverLevels) {
  SchoolFixture school;
  school.settings.levels[4] = school.settings.levels[5] = true;
  school.StartYear();
  school.BuildLevel(4, "A,a,1\r\nB,b,2\r\nC,c,3\r\nD,d,4\r\nE,e,5\r\nF,f,6\r\nG,g,7\r\n");
  EXPECT_EQ(school.progress.label3, "Yes, I'm still going...");
  school.BuildLevel(5, "H,h,1\r\n");
  EXPECT_EQ(school.progress.label3, "You should try doing this by hand...");

  ResetProgressQuips();
  EXPECT_EQ(NextProgressQuip(), "Generating pages - shouldn't be long, I hope...");
  for (int n = 2; n < 50; ++n) NextProgressQuip();
  EXPECT_EQ(NextProgressQuip(), "No more messages till finished.  Please wait...");
  EXPECT_EQ(NextProgressQuip(), "No more messages till finished.  Please wait...");
}

TEST(LevelBuild, BoundsRaiseError9BeforeAnyClassIsWritten) {
  SchoolFixture school;
  school.settings.placement = site::ImagePlacement::Shared;
  school.settings.levels[4] = true;
  school.StartYear();
  std::string rows, classes;
  for (int i = 1; i <= 501; ++i) rows += "S" + std::to_string(i) + ",P,3A\r\n";
  for (int i = 1; i <= 101; ++i) classes += "S,P,C" + std::to_string(i) + "\r\n";
  EXPECT_EQ(ErrorOf([&] { school.BuildLevel(4, rows); }), 9);
  EXPECT_EQ(ErrorOf([&] { school.BuildLevel(4, classes); }), 9);
  EXPECT_EQ(ErrorOf([&] { school.BuildLevel(4, "Smith,Anna\r\n"); }), 62);
  EXPECT_EQ(school.Tree("year3"), Lines{});
  EXPECT_EQ(school.ctx.PageCount, 1);
}
