#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "calendar/term_checks.h"

using calendar::CheckTermEntries;
using calendar::Refusal;
using calendar::TermCalendar;
using calendar::TermEntries;

namespace {

// Monday 1 February to Friday 9 April 2027: ten weeks of Term 1.
TermEntries Term1Of2027() { return {"2027", "Term 1", "1", "February", "9", "April"}; }

// Each row breaks a check, most of them together with a later one, so that
// the row also pins which check comes first.
TEST(TermChecks, TheFirstFailingCheckNamesTheBox) {
  using E = TermEntries&;
  const struct {
    std::function<void(E)> change;
    Refusal refusal;
  } cases[] = {
      {[](E e) { e.start_month = "[select one]"; }, Refusal::kStartMonth},
      {[](E e) { e.start_month = "february", e.year = "2002"; }, Refusal::kStartMonth},
      {[](E e) { e.end_month = "April\t", e.year = "2002"; }, Refusal::kEndMonth},
      {[](E e) { e.start_month = "November"; }, Refusal::kBothMonths},
      {[](E e) { e.end_month = "February", e.year = "2002"; }, Refusal::kEndMonth},
      {[](E e) { e.year = "2002", e.start_day = "0"; }, Refusal::kYear},
      {[](E e) { e.year = "2051"; }, Refusal::kYear},
      {[](E e) { e.year = "twenty"; }, Refusal::kYear},
      {[](E e) { e.start_day = "0", e.end_day = "0"; }, Refusal::kStartDay},
      {[](E e) { e.start_day = "x"; }, Refusal::kStartDay},
      {[](E e) { e.end_day = "0.5", e.start_day = "32"; }, Refusal::kEndDay},
      {[](E e) { e.start_day = "32", e.end_day = "32"; }, Refusal::kStartDay},
      {[](E e) { e.end_day = "32", e.start_day = "31", e.start_month = "April", e.end_month = "May"; },
       Refusal::kEndDay},
      {[](E e) { e.start_day = "31", e.start_month = "April", e.end_month = "June", e.end_day = "31"; },
       Refusal::kStartDay},
      {[](E e) { e.start_day = "29", e.start_month = "February", e.end_month = "March", e.term = "x"; },
       Refusal::kStartDay},
      {[](E e) { e.end_day = "29", e.start_month = "January", e.end_month = "February", e.term = "x"; },
       Refusal::kEndDay},
      // Days too big for a whole number of the window's kind take the day checks.
      {[](E e) { e.start_day = "40000", e.end_day = "0"; }, Refusal::kEndDay},
      {[](E e) { e.start_day = "-40000"; }, Refusal::kStartDay},
      {[](E e) { e.end_day = "1e9"; }, Refusal::kEndDay},
      {[](E e) { e.term = "term 1"; }, Refusal::kTerm},
      {[](E e) { e.term = " Term 1"; }, Refusal::kTerm},
      {[](E e) { e.term = "Term 1 "; }, Refusal::kTerm},
      {[](E e) { e.term = "Term x"; }, Refusal::kTerm},
      {[](E e) { e.term = "Term 0"; }, Refusal::kTerm},
      {[](E e) { e.term = "Term 5"; }, Refusal::kTerm},
      {[](E e) { e.term = "Term 21"; }, Refusal::kTerm},
      {[](E e) { e.term = "Term  2"; }, Refusal::kTerm},
      // A week past the page's 52, or a Friday after 31 December.
      {[](E e) { e.year = "2028", e.start_month = "January", e.end_day = "31", e.end_month = "December"; },
       Refusal::kEndDay},
      {[](E e) { e.start_day = "30", e.start_month = "November", e.end_day = "31", e.end_month = "December"; },
       Refusal::kEndDay},
  };
  int row = 0;
  for (const auto& c : cases) {
    TermEntries entries = Term1Of2027();
    c.change(entries);
    const auto checked = CheckTermEntries(entries);
    ASSERT_TRUE(std::holds_alternative<Refusal>(checked)) << "row " << row;
    EXPECT_EQ(std::get<Refusal>(checked), c.refusal) << "row " << row;
    ++row;
  }
}

TEST(TermChecks, AnAcceptedTerm) {
  using E = TermEntries&;
  const struct {
    std::function<void(E)> change;
    const char *term, *year, *file_name, *first_week;
    size_t weeks;
  } cases[] = {
      {[](E) {}, "Term 1", "2027", "term1cal.htm", "Week 1 - 1 February to 5 February", 10},
      // Months are trimmed, 29 February is a day of a leap year, the year is shown trimmed.
      {[](E e) { e.year = " 2028 ", e.term = "Term 4", e.start_day = "31", e.start_month = " January ",
                 e.end_day = "29", e.end_month = "February"; },
       "Term 4", "2028", "term4cal.htm", "Week 1 - 31 January to 4 February", 5},
      // Days round to the even neighbour; a year is its leading number.
      {[](E e) { e.start_day = "3.5", e.end_day = "2.5", e.year = "2027abc", e.term = "Term 2"; },
       "Term 2", "2027abc", "term2cal.htm", "Week 1 - 4 February to 8 February", 9},
      {[](E e) { e.year = "2003", e.term = "Term 3"; }, "Term 3", "2003", "term3cal.htm",
       "Week 1 - 1 February to 5 February", 10},
      {[](E e) { e.year = "2050"; }, "Term 1", "2050", "term1cal.htm", "Week 1 - 1 February to 5 February", 10},
  };
  for (const auto& c : cases) {
    TermEntries entries = Term1Of2027();
    c.change(entries);
    const auto checked = CheckTermEntries(entries);
    ASSERT_TRUE(std::holds_alternative<TermCalendar>(checked)) << c.first_week;
    const TermCalendar& calendar = std::get<TermCalendar>(checked);
    EXPECT_EQ(calendar.term, c.term);
    EXPECT_EQ(calendar.year, c.year);
    EXPECT_EQ(calendar.file_name, c.file_name);
    EXPECT_EQ(calendar.weeks.size(), c.weeks) << c.term;
    EXPECT_EQ(calendar.weeks.front(), c.first_week);
  }
}

}  // namespace
