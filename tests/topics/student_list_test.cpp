#include <gtest/gtest.h>

#include "platform/vb_error.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_drives.h"
#include "topics/shortcut_settings.h"
#include "topics/student_list.h"

using testing_support::ErrorOf;

TEST(StudentList, ShortLinesBorrowFromTheNextAndTheBoundHolds) {
  testing_support::TempDrives drives("D");
  testing_support::WriteFile(drives.drive('d') / "g.csv",
                             "Smith Anna,smith_anna,3b\r\nyear3,Brown Tom,brown_tom,3c,year3\r\n\r\n");
  auto records = topics::LoadStudentList("D:\\g.csv", true);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].level_folder, "year3");
  EXPECT_EQ(records[1].display_name, "Brown Tom");

  testing_support::WriteFile(drives.drive('d') / "cut.csv", "a,b,c,d\r\ne,f\r\n");
  EXPECT_EQ(ErrorOf([] { topics::LoadStudentList("D:\\cut.csv", true); }), 62);
  EXPECT_EQ(ErrorOf([] { topics::LoadStudentList("D:\\none.csv", true); }), 53);

  std::string full;
  for (int i = 0; i < topics::kMaxStudentRecords; ++i) full += "n,s" + std::to_string(i) + ",c,l\r\n";
  testing_support::WriteFile(drives.drive('d') / "full.dat", full);
  EXPECT_EQ(topics::LoadStudentList("D:\\full.dat", false).size(), 8400u);
  testing_support::WriteFile(drives.drive('d') / "over.dat", full + "n,s,c,l\r\n");
  EXPECT_EQ(ErrorOf([] { topics::LoadStudentList("D:\\over.dat", false); }), 9);
}

TEST(StudentList, DistinctListsAreExactAndBounded) {
  std::vector<topics::StudentRecord> records = {
      {"a", "a", "class1", "year1"}, {"b", "b", "class1", "Year1"}, {"c", "c", "Class1", "year1"}};
  auto lists = topics::CollectDistinct(records);
  EXPECT_EQ(lists.levels, (std::vector<std::string>{"year1", "Year1"}));
  EXPECT_EQ(lists.classes, (std::vector<std::string>{"class1", "Class1"}));

  records.clear();
  for (int i = 0; i < topics::kMaxDistinctClasses; ++i) records.push_back({"n", "s", "c" + std::to_string(i), "l"});
  EXPECT_EQ(topics::CollectDistinct(records).classes.size(), 1400u);
  records.push_back({"n", "s", "one more", "l"});
  EXPECT_EQ(ErrorOf([&] { topics::CollectDistinct(records); }), 9);
}

// The year's 16-bit reading (13 and 6) shows in the start-up's refusals.
TEST(ShortcutSettings, CountsTakeTheirLeadingNumber) {
  EXPECT_EQ(topics::LeadingInteger("6 topics"), 6);
  EXPECT_EQ(topics::LeadingInteger("none"), 0);
}
