#include "subjects/core/refresh_groups.h"

#include <gtest/gtest.h>

namespace subjects {
namespace {

std::array<std::string, 13> Rows(std::initializer_list<std::pair<int, const char*>> rows) {
  std::array<std::string, 13> boxes{};
  for (const auto& [k, name] : rows) boxes[k] = name;
  return boxes;
}

const std::array<std::string, 13> kDesign = {
    "", "English", "Mathematics", "Science", "History", "Geography", "PDHPE",
    "LOTE", "Visual Arts", "Music", "TAS", "", ""};

TEST(SubjectFolderName, CutsElevenCharactersBeforeRemovingSigns) {
  EXPECT_EQ(SubjectFolderName("Visual Arts"), "visualarts");
  EXPECT_EQ(SubjectFolderName("Mathematics Extension"), "mathematics");
  EXPECT_EQ(SubjectFolderName("Art & Design"), "art&desig");
  EXPECT_EQ(SubjectFolderName("P.E./Health"), "pehealth");
  EXPECT_EQ(SubjectFolderName("Fran\xC7" "ais, ok?*"), "fran\xE7" "aiso");
  // A backslash would nest one subject folder in another.
  EXPECT_EQ(SubjectFolderName("Maths\\Sci:1|"), "mathssci1");
  EXPECT_EQ(SubjectFolderName("??? ..."), "");
}

TEST(NormaliseTopicCount, WholeEvenWithinTwoToTwelve) {
  const std::pair<const char*, const char*> cases[] = {
      {"4", "4"},  {"6", "6"},  {"8", "8"},  {"10", "10"}, {"12", "12"}, {"5", "6"},
      {"11", "12"}, {"13", "12"}, {"1", "2"},  {"0", "2"},   {"", "2"},    {"ab", "2"},
      {"-3", "2"}, {"-4", "2"}, {"7.", "8"}, {"7.9", "8"}, {"99", "12"}, {" 1 0", "10"},
      {"100", "12"}};
  for (const auto& [typed, shown] : cases) EXPECT_EQ(NormaliseTopicCount(typed), shown) << typed;
}

TEST(RefreshGroups, DesignValuesGiveTenGroupsAndTwelvePass) {
  SubjectGroups groups;
  const RefreshOutcome out = RefreshGroups(kDesign, "4", groups);
  EXPECT_EQ(out.problem, "");
  EXPECT_TRUE(groups.SubjectGroupsReady);
  EXPECT_EQ(groups.SubjectGroupCount, 10);
  EXPECT_EQ(groups.TopicsPerGroup, 4);
  const char* folders[] = {"english", "mathematics", "science", "history", "geography",
                           "pdhpe",   "lote",        "visualarts", "music", "tas"};
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(groups.SubjectGroupNames[k], kDesign[k]);
    EXPECT_EQ(groups.SubjectGroupFolders[k], folders[k - 1]);
    EXPECT_EQ(out.labels[k], folders[k - 1]);
  }
  EXPECT_EQ(groups.SubjectGroupFolders[11], "");
  EXPECT_EQ(out.topic_box, "4");

  std::array<std::string, 13> twelve{};
  for (int k = 1; k <= 12; ++k) twelve[k] = "Subject " + std::string(1, static_cast<char>('A' + k));
  EXPECT_EQ(RefreshGroups(twelve, "12", groups).problem, "");
  EXPECT_EQ(groups.SubjectGroupCount, 12);
}

TEST(RefreshGroups, ClosesUpTrimmedRows) {
  SubjectGroups groups;
  const RefreshOutcome out = RefreshGroups(
      Rows({{1, "  English "}, {2, "Maths"}, {3, "   "}, {5, "Art & Design"}, {9, "Music"}}), "5",
      groups);
  EXPECT_EQ(out.problem, "");
  EXPECT_EQ(groups.SubjectGroupCount, 4);
  EXPECT_EQ(groups.TopicsPerGroup, 6);
  EXPECT_EQ(out.topic_box, "6");
  const char* names[] = {"English", "Maths", "Art & Design", "Music"};
  const char* folders[] = {"english", "maths", "art&desig", "music"};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(groups.SubjectGroupNames[k], names[k - 1]);
    EXPECT_EQ(groups.SubjectGroupFolders[k], folders[k - 1]);
    EXPECT_EQ(out.boxes[k], names[k - 1]);
    EXPECT_EQ(out.labels[k], folders[k - 1]);
  }
  for (int k = 5; k <= 12; ++k) {
    EXPECT_EQ(groups.SubjectGroupNames[k], "");
    EXPECT_EQ(groups.SubjectGroupFolders[k], "");
    EXPECT_EQ(out.boxes[k], "");
  }
}

TEST(RefreshGroups, FailuresLeaveTheRowsAsTypedAndTheFlagClear) {
  SubjectGroups groups;
  RefreshGroups(kDesign, "6", groups);
  ASSERT_TRUE(groups.SubjectGroupsReady);

  const auto boxes = Rows({{2, " English"}, {4, "Maths "}, {7, "Science"}});
  const RefreshOutcome out = RefreshGroups(boxes, "8", groups);
  EXPECT_EQ(out.problem,
            "There MUST be an EVEN number of Subject Groups specified.  You may want to add a 'My "
            "Own Choice' group name, or if you already have one, remove it to leave an even number "
            "of groups.");
  EXPECT_FALSE(groups.SubjectGroupsReady);
  EXPECT_EQ(groups.SubjectGroupCount, 3);
  EXPECT_EQ(groups.TopicsPerGroup, 6);
  EXPECT_EQ(out.topic_box, "8");
  EXPECT_EQ(out.boxes, boxes);
  EXPECT_EQ(groups.SubjectGroupNames[2], "English");
  EXPECT_EQ(groups.SubjectGroupFolders[4], "maths");
  EXPECT_EQ(out.labels[7], "science");
  EXPECT_EQ(out.labels[1], "");

  EXPECT_EQ(RefreshGroups(Rows({{3, "English"}}), "4", groups).problem,
            "There MUST be a minimum of TWO Subject Groups specified.");
  EXPECT_EQ(groups.SubjectGroupCount, 1);
  EXPECT_EQ(RefreshGroups(Rows({}), "4", groups).problem,
            "There MUST be a minimum of TWO Subject Groups specified.");
  EXPECT_EQ(groups.SubjectGroupCount, 0);
}

TEST(RefreshGroups, RefusesNamesTheBuildCannotUse) {
  SubjectGroups groups;
  RefreshOutcome out = RefreshGroups(
      Rows({{1, "Mathematics Extension"}, {2, "Mathematics Advanced"}, {3, "English"}, {4, "Art"}}),
      "4", groups);
  EXPECT_EQ(out.problem, "There MUST be a different folder name for every Subject Group.");
  EXPECT_FALSE(groups.SubjectGroupsReady);
  EXPECT_EQ(groups.SubjectGroupCount, 4);

  out = RefreshGroups(Rows({{1, "English"}, {2, "???"}, {3, "Art"}}), "4", groups);
  EXPECT_NE(out.problem.find("???"), std::string::npos);
  EXPECT_NE(out.problem.find("no folder name"), std::string::npos);
  EXPECT_FALSE(groups.SubjectGroupsReady);

  out = RefreshGroups(Rows({{1, "English"}, {2, "Big \"Maths\""}}), "4", groups);
  EXPECT_NE(out.problem.find("double quote"), std::string::npos);
  EXPECT_FALSE(groups.SubjectGroupsReady);
  EXPECT_EQ(out.boxes[2], "Big \"Maths\"");

  // A count that is refused anyway gets the count's own message.
  EXPECT_EQ(RefreshGroups(Rows({{1, "English"}, {2, "???"}}), "4", groups).problem,
            "There MUST be a minimum of TWO Subject Groups specified.");
  out = RefreshGroups(Rows({{1, "English"}, {2, "Art"}, {3, "Big \"Maths\""}}), "4", groups);
  EXPECT_EQ(out.problem.rfind("There MUST be an EVEN number", 0), 0u);
}

}  // namespace
}  // namespace subjects
