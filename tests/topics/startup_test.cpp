#include <gtest/gtest.h>

#include <functional>

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
  // An empty list opens the window.
  SiteFixture empty(topics_test::kPrimaryIni, "");
  Started none = Start(empty, Variant::kPrimary);
  EXPECT_FALSE(none.refusal.has_value());
  EXPECT_TRUE(none.site.students.empty());
}

TEST(Startup, HighSchoolToolReadsTheGroups) {
  SiteFixture subject(topics_test::kSubjectIni);
  Started s = Start(subject, Variant::kHighSchool);
  ASSERT_FALSE(s.refusal.has_value());
  EXPECT_EQ(s.site.settings.subject_group_names, (std::vector<std::string>{"Mathematics", "Science"}));
  EXPECT_EQ(s.site.settings.subject_group_folders, (std::vector<std::string>{"maths", "science"}));
  EXPECT_EQ(s.site.settings.topics_per_group, 6);
}

// Each refusal of the start-up, with its text and title, for the tool that gives it.
TEST(Startup, EveryRefusal) {
  const std::string k_primary = topics_test::kPrimaryIni, subject = topics_test::kSubjectIni;
  const std::string list = topics_test::kStudentList, cut = "Smith Anna,smith_anna\r\n";
  auto groups = [](int count) {
    std::string ini = "\"My Work\",2026\r\n\"" + std::to_string(count) + "\"\r\n";
    for (int k = 0; k < count; ++k) ini += "\"N\",\"n\"\r\n";
    return ini + "\"2\"\r\n";
  };
  // Leading zeros are dropped: the tool looks for the folder 2026, not 02026.
  const std::string zeros = "\"My Work\",02026\r\n\"2\"\r\n\"M\",\"m\"\r\n\"S\",\"s\"\r\n\"2\"\r\n";
  auto no_dat = [](const SiteFixture& f) { fs::remove(f.root() / "ovshrtct.dat"); };
  auto moved = [](const SiteFixture& f) { fs::rename(f.root() / "2026", f.root() / "02026"); };
  // allstudents.csv cannot be written: a folder in its place (70), a list
  // that is a folder (75).
  auto in_place = [](const SiteFixture& f) { fs::create_directory(f.root() / "2026/allstudents.csv"); };
  auto folder_dat = [](const SiteFixture& f) {
    fs::remove(f.root() / "ovshrtct.dat");
    fs::create_directory(f.root() / "ovshrtct.dat");
  };
  const Variant p = Variant::kPrimary, h = Variant::kHighSchool;
  const char* error = "Error!";
  const char* access = "Access problem!";
  const struct {
    std::string ini, dat;
    std::function<void(const SiteFixture&)> prepare;
    Variant variant;
    std::string text;
    const char* title;
  } cases[] = {
      {k_primary, list, nullptr, h,
       "You are running the High School Topics Utility, but it looks like you don't have a "
       "High School Layout in Orvane!",
       "Problem"},
      {"", list, nullptr, p, kNotFound, access},
      {"", list, nullptr, h, kNotFound, access},
      {subject, list, no_dat, p, kNotFound, access},
      {subject, list, no_dat, h, kNotFound, access},
      {zeros, list, moved, p, kWriteAccess, access},
      {zeros, list, moved, h, kWriteAccess, access},
      {k_primary, list, in_place, p, kWriteAccess, access},
      {k_primary, list, folder_dat, p, kWriteAccess, access},
      {"\"My Work\"\r\n", list, nullptr, p, "Error Code: 62.  You cannot use the Topics Utility.", error},
      {"\"My Work\"\r\n", list, nullptr, h,
       "There is a probem with the OVSHRTCT.INI file.  You cannot use the Topics Utility "
       "until it is corrected.",
       access},
      {"\"My Work\",20x6\r\n\"0\"\r\n", list, nullptr, p,
       "Error Code: 13.  You cannot use the Topics Utility.", error},
      {"\"My Work\",99999\r\n\"0\"\r\n", list, nullptr, p,
       "Error Code: 6.  You cannot use the Topics Utility.", error},
      {groups(13), list, nullptr, h, kWriteAccess, access},
      {groups(14), list, nullptr, h, kWriteAccess, access},
      {subject, cut, nullptr, p, "Error Code: 62.  You cannot use the Topics Utility.", error},
      {subject, cut, nullptr, h, kWriteAccess, access},
  };
  int row = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(row++);
    SiteFixture fixture(c.ini, c.dat);
    if (c.prepare) c.prepare(fixture);
    Started s = Start(fixture, c.variant);
    ASSERT_TRUE(s.refusal.has_value());
    EXPECT_EQ(s.refusal->text, c.text);
    EXPECT_EQ(s.refusal->title, c.title);
  }
}
