#include <gtest/gtest.h>

#include "tests/topics/site_fixture.h"
#include "topics/startup.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;
using topics::Variant;
using topics_test::SiteFixture;

namespace {

const char kNotFound[] =
    "Are you running this utility from the Orvane folder?  I can't find the OVSHRTCT.INI file.  You "
    "cannot use the Topics Utility unless you run it from the Orvane folder.";
const char kWriteAccess[] =
    "It appears as though you do not have write access to the Orvane\\2026 folder.  You cannot use "
    "the Topics Utility.";

struct Started {
  topics::TopicsSite site;
  std::optional<topics::StartupRefusal> refusal;
};

Started Start(const SiteFixture& fixture, Variant variant) {
  Started s;
  s.site.site_root = fixture.site_root();
  s.refusal = topics::StartTopics(variant, s.site);
  return s;
}

void ExpectRefusal(const Started& s, const std::string& text, const std::string& title) {
  ASSERT_TRUE(s.refusal.has_value());
  EXPECT_EQ(s.refusal->text, text);
  EXPECT_EQ(s.refusal->title, title);
}

}  // namespace

TEST(Startup, PrimaryToolStartsOnEitherLayout) {
  SiteFixture fixture;
  WriteFile(fixture.root() / "2026/allstudents.csv", "edited by hand\r\n");
  WriteFile(fixture.root() / "2026/Group A.CSV", "");
  WriteFile(fixture.root() / "2026/notes.txt", "");
  fs::create_directories(fixture.root() / "2026/folder.csv");
  Started s = Start(fixture, Variant::kPrimary);
  ASSERT_FALSE(s.refusal.has_value());
  EXPECT_EQ(ReadFile(fixture.root() / "2026/allstudents.csv"), topics_test::kStudentList);
  EXPECT_EQ(s.site.custom_groups, (std::vector<std::string>{"allstudents.csv", "Group A.CSV"}));
  EXPECT_EQ(s.site.students.size(), 6u);
  EXPECT_EQ(s.site.distinct.levels, (std::vector<std::string>{"year3", "year4"}));
  EXPECT_EQ(s.site.distinct.classes, (std::vector<std::string>{"3c", "3b"}));

  SiteFixture subject(topics_test::kSubjectIni);
  EXPECT_FALSE(Start(subject, Variant::kPrimary).refusal.has_value());
}

TEST(Startup, HighSchoolToolReadsTheGroupsAndRefusesAK6Site) {
  SiteFixture subject(topics_test::kSubjectIni);
  Started s = Start(subject, Variant::kHighSchool);
  ASSERT_FALSE(s.refusal.has_value());
  EXPECT_EQ(s.site.settings.subject_group_names, (std::vector<std::string>{"Mathematics", "Science"}));
  EXPECT_EQ(s.site.settings.subject_group_folders, (std::vector<std::string>{"maths", "science"}));
  EXPECT_EQ(s.site.settings.topics_per_group, 6);

  SiteFixture k6;
  ExpectRefusal(Start(k6, Variant::kHighSchool),
                "You are running the High School Topics Utility, but it looks like you don't have a "
                "High School Layout in Orvane!",
                "Problem");
}

TEST(Startup, MissingFilesAndYearFolder) {
  for (Variant v : {Variant::kPrimary, Variant::kHighSchool}) {
    SiteFixture no_ini("");
    ExpectRefusal(Start(no_ini, v), kNotFound, "Access problem!");
    SiteFixture no_dat(topics_test::kSubjectIni);
    fs::remove(no_dat.root() / "ovshrtct.dat");
    ExpectRefusal(Start(no_dat, v), kNotFound, "Access problem!");
    // Leading zeros are dropped: the tool looks for the folder 2026, not 02026.
    SiteFixture moved("\"My Work\",02026\r\n\"2\"\r\n\"M\",\"m\"\r\n\"S\",\"s\"\r\n\"2\"\r\n");
    fs::rename(moved.root() / "2026", moved.root() / "02026");
    ExpectRefusal(Start(moved, v), kWriteAccess, "Access problem!");
  }
}

TEST(Startup, BadSettingsAndListsEachGiveTheirMessage) {
  SiteFixture short_ini("\"My Work\"\r\n");
  ExpectRefusal(Start(short_ini, Variant::kPrimary),
                "Error Code: 62.  You cannot use the Topics Utility.", "Error!");
  ExpectRefusal(Start(short_ini, Variant::kHighSchool),
                "There is a probem with the OVSHRTCT.INI file.  You cannot use the Topics Utility "
                "until it is corrected.",
                "Access problem!");

  SiteFixture bad_year("\"My Work\",20x6\r\n\"0\"\r\n");
  ExpectRefusal(Start(bad_year, Variant::kPrimary),
                "Error Code: 13.  You cannot use the Topics Utility.", "Error!");
  SiteFixture big_year("\"My Work\",99999\r\n\"0\"\r\n");
  ExpectRefusal(Start(big_year, Variant::kPrimary),
                "Error Code: 6.  You cannot use the Topics Utility.", "Error!");

  std::string many = "\"My Work\",2026\r\n\"14\"\r\n";
  for (int k = 0; k < 14; ++k) many += "\"N\",\"n\"\r\n";
  SiteFixture too_many(many + "\"2\"\r\n");
  ExpectRefusal(Start(too_many, Variant::kHighSchool), kWriteAccess, "Access problem!");

  SiteFixture cut_list(topics_test::kSubjectIni, "Smith Anna,smith_anna\r\n");
  ExpectRefusal(Start(cut_list, Variant::kPrimary),
                "Error Code: 62.  You cannot use the Topics Utility.", "Error!");
  ExpectRefusal(Start(cut_list, Variant::kHighSchool), kWriteAccess, "Access problem!");
}

TEST(Startup, AnEmptyListOpensTheWindow) {
  SiteFixture empty(topics_test::kPrimaryIni, "");
  Started s = Start(empty, Variant::kPrimary);
  EXPECT_FALSE(s.refusal.has_value());
  EXPECT_TRUE(s.site.students.empty());
  EXPECT_TRUE(s.site.distinct.levels.empty());
}
