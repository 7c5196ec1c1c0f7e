// The three writers in the order the build calls them, for the master and
// for one student: the folder tree, the page count and a folder two students share.
#include <gtest/gtest.h>

#include <set>

#include "site/build_run.h"
#include "subjects/pages/subject_writers.h"
#include "tests/subjects/pages/subject_site.h"
#include "tests/support/site_pages.h"

namespace fs = std::filesystem;
using namespace subjects_test;

namespace {

class StudentRun : public SubjectSite {
 protected:
  void RunWriters() {
    site::PassOver75([&] { subjects::WriteStudentHomePage(run); });
    site::PassOver75([&] { subjects::WriteSubjectPages(run); });
    site::PassOver75([&] { subjects::WriteTopicPages(run); });
  }

  // The pages above a student's folder, and the images where the placement
  // puts them.
  void MakeSiteAround(const fs::path& student) {
    const fs::path root = Native("D:\\orvane");
    for (const fs::path& folder : {root, root / "2026", root / "2026" / "year7", root / "2026" / "year7" / "class1"}) {
      testing_support::WriteFile(folder / "index.htm", "page");
    }
    const fs::path images = settings.placement == site::ImagePlacement::Shared ? root / "ovimages" : student;
    for (const char* name : {"but-yrpg.jpg", "but-clpg.jpg", "but-home.jpg", "but-stpg.jpg", "but-mypg.jpg",
                             "but-clik.jpg", "owl.gif"}) {
      testing_support::WriteFile(images / name, "image");
    }
  }

  // Every link and picture of every page under `folder` that names nothing there.
  static std::vector<std::string> BrokenLinks(const fs::path& folder) {
    std::vector<std::string> broken;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (entry.path().extension() != ".htm") continue;
      for (const std::string& link : testing_support::LocalLinks(testing_support::ReadFile(entry.path()))) {
        if (!fs::exists(entry.path().parent_path() / link)) {
          broken.push_back(fs::relative(entry.path(), folder).string() + ": " + link);
        }
      }
    }
    return broken;
  }

  static std::set<std::string> Tree(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      entries.insert(fs::relative(entry.path(), folder).generic_string() + (entry.is_directory() ? "/" : ""));
    }
    return entries;
  }
};

TEST_F(StudentRun, MasterThenStudentWithFourGroupsAndFourTopics) {
  SetNumberedGroups(4, 4);
  const fs::path master = EnterMaster();
  RunWriters();
  EXPECT_EQ(ctx.PageCount, 1 + 4 + 16);

  std::set<std::string> expected = {"index.htm", "work/", "images/", "powerpoints/"};
  for (int k = 1; k <= 4; ++k) {
    const std::string subject = "subj" + std::to_string(k) + "/";
    expected.insert(subject);
    expected.insert(subject + "index.htm");
    for (int t = 1; t <= 4; ++t) expected.insert(subject + "topic" + std::to_string(t) + ".htm");
  }
  EXPECT_EQ(Tree(master), expected);

  const fs::path student = EnterStudent();
  RunWriters();
  EXPECT_EQ(ctx.PageCount, 2 * (1 + 4 + 16));
  EXPECT_EQ(Tree(student), expected);
  EXPECT_EQ(ctx.MasterPath, "D:\\orvane\\2026\\masterstudent\\subj4");
}

TEST_F(StudentRun, EveryLinkAndPictureOfAStudentResolves) {
  SetNumberedGroups(4, 4);
  for (const auto placement : {site::ImagePlacement::Shared, site::ImagePlacement::Replicated}) {
    settings.placement = placement;
    const fs::path student = EnterStudent();
    fs::remove_all(student);
    fs::create_directories(student);
    MakeSiteAround(student);
    RunWriters();
    EXPECT_EQ(BrokenLinks(student), std::vector<std::string>{});
  }
}

TEST_F(StudentRun, SecondStudentInTheSameFolderTakesItOver) {
  const fs::path student = EnterStudent();
  RunWriters();

  ctx.CurrentPreferredName = "Jon";
  vb::ChDir("D:\\orvane\\2026\\year7\\class1\\studnt1");
  RunWriters();
  // Every page of the shared folder names the second student.
  EXPECT_NE(testing_support::ReadFile(student / "index.htm").find("<title>Jon Smith's Home Page</title>"),
            std::string::npos);
  EXPECT_NE(testing_support::ReadFile(student / "english" / "index.htm").find("<title>Jon Smith's English Page</title>"),
            std::string::npos);
  EXPECT_NE(testing_support::ReadFile(student / "maths" / "topic2.htm").find("<title>Jon Smith - Topic 2</title>"),
            std::string::npos);
  EXPECT_EQ(ctx.PageCount, 2 * (1 + 2 + 4));
}

}  // namespace
