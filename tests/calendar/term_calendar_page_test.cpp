#include "calendar/term_calendar_page.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/page_text.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using testing_support::CrLfLines;
using testing_support::ReadFile;

namespace {

// Writes a calendar of these weeks into drive D's calendar folder and reads it back.
std::string Written(const std::vector<std::string>& weeks) {
  testing_support::TempDrives drives;
  fs::create_directories(drives.drive('D') / "calendar");
  calendar::WriteTermCalendarPage("D:\\calendar\\", {"Term 2", "2027", "term2cal.htm", weeks});
  return ReadFile(drives.drive('D') / "calendar" / "term2cal.htm");
}

std::vector<std::string> Weeks(int count) {
  std::vector<std::string> weeks;
  for (int n = 1; n <= count; ++n) weeks.push_back("Week " + std::to_string(n));
  return weeks;
}

}  // namespace

// One week, after the shared head: its lone week on the left of a pair whose
// right week is blank, byte for byte.
TEST(TermCalendarPage, OneWeekByteForByte) {
  const std::string page = Written({"Week 1 - 29 March to 2 April"});
  EXPECT_EQ(CrLfLines(page)[7], "<title>Orvane Term Calendar</title>");
  size_t head_end = 0;
  for (int line = 0; line < 64; ++line) head_end = page.find("\r\n", head_end) + 2;
  EXPECT_EQ(page.substr(head_end), ReadFile(fs::path(ORVANE_PAGES_DIR) / "term2cal.htm"));
}

// Weeks two to a pair of 46 lines; the right header of the last pair.
TEST(TermCalendarPage, PairsOfWeeks) {
  for (const auto& [weeks, lines, last_right] :
       {std::tuple{2, 147u, "Week 2"}, std::tuple{11, 377u, ""}, std::tuple{52, 1297u, "Week 52"}}) {
    const std::vector<std::string> page = CrLfLines(Written(Weeks(weeks)));
    ASSERT_EQ(page.size(), lines) << weeks;
    // The right header, then 41 lines of the pair and the 12 closing lines.
    EXPECT_EQ(page[page.size() - 12 - 41 - 1],
              std::string("            <p align=\"center\"><b><font face=\"Arial\">") + last_right + "</font></b></td>");
  }
}
