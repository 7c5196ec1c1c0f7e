#include "calendar/term_checks.h"

#include <gtest/gtest.h>

using calendar::Refusal;
using calendar::TermCalendar;

// Entries are year, term, first Monday's day and month, last Friday's day and
// month. Most rows break two checks, so that they also pin which comes first.
TEST(TermChecks, TheFirstFailingCheckNamesTheBox) {
  const struct {
    calendar::TermEntries entries;
    Refusal refusal;
  } cases[] = {
      {{"2027", "Term 1", "1", "[select one]", "9", "April"}, Refusal::kStartMonth},
      {{"2002", "Term 1", "1", "february", "9", "April"}, Refusal::kStartMonth},
      {{"2002", "Term 1", "1", "February", "9", "April\t"}, Refusal::kEndMonth},
      {{"2027", "Term 1", "1", "November", "9", "April"}, Refusal::kBothMonths},
      {{"2002", "Term 1", "1", "February", "9", "February"}, Refusal::kEndMonth},
      {{"2002", "Term 1", "0", "February", "9", "April"}, Refusal::kYear},
      {{"2051", "Term 1", "1", "February", "9", "April"}, Refusal::kYear},
      {{"x2027", "Term 1", "1", "February", "9", "April"}, Refusal::kYear},
      {{"2027", "Term 1", "0", "February", "0", "April"}, Refusal::kStartDay},
      {{"2027", "Term 1", "32", "February", "0.5", "April"}, Refusal::kEndDay},
      {{"2027", "Term 1", "32", "February", "32", "April"}, Refusal::kStartDay},
      {{"2027", "Term 1", "31", "April", "32", "May"}, Refusal::kEndDay},
      {{"2027", "Term 1", "31", "April", "31", "June"}, Refusal::kStartDay},
      {{"2027", "x", "29", "February", "9", "April"}, Refusal::kStartDay},
      {{"2027", "x", "1", "January", "29", "February"}, Refusal::kEndDay},
      // Days too big for the window's whole numbers take the day checks.
      {{"2027", "Term 1", "40000", "February", "0", "April"}, Refusal::kEndDay},
      {{"2027", "term 1", "1", "February", "9", "April"}, Refusal::kTerm},
      {{"2027", " Term 1", "1", "February", "9", "April"}, Refusal::kTerm},
      {{"2027", "Term 1 ", "1", "February", "9", "April"}, Refusal::kTerm},
      {{"2027", "Term 5", "1", "February", "9", "April"}, Refusal::kTerm},
      {{"2027", "Term 21", "1", "February", "9", "April"}, Refusal::kTerm},
      {{"2027", "Term  2", "1", "February", "9", "April"}, Refusal::kTerm},
      // A 53rd week (a whole leap year), a Friday after 31 December.
      {{"2028", "Term 1", "1", "January", "31", "December"}, Refusal::kEndDay},
      {{"2027", "Term 1", "30", "November", "31", "December"}, Refusal::kEndDay},
  };
  for (const auto& c : cases) {
    const auto checked = calendar::CheckTermEntries(c.entries);
    ASSERT_TRUE(std::holds_alternative<Refusal>(checked)) << c.entries.year << c.entries.term;
    EXPECT_EQ(std::get<Refusal>(checked), c.refusal)
        << c.entries.year << "|" << c.entries.start_day << "|" << c.entries.end_day << "|" << c.entries.term;
  }
}

// Months and the year are trimmed, 29 February is a day of a leap year, days
// round halves to the even neighbour, and a year is its leading number.
TEST(TermChecks, AnAcceptedTerm) {
  const struct {
    calendar::TermEntries entries;
    const char *year, *file_name, *first_week;
    size_t weeks;
  } cases[] = {
      {{"2003", "Term 1", "1", "February", "9", "April"}, "2003", "term1cal.htm", "Week 1 - 1 February to 5 February", 10},
      {{" 2028 ", "Term 4", "31", " January ", "29", "February"}, "2028", "term4cal.htm",
       "Week 1 - 31 January to 4 February", 5},
      {{"2050abc", "Term 2", "3.5", "February", "2.5", "April"}, "2050abc", "term2cal.htm",
       "Week 1 - 4 February to 8 February", 9},
  };
  for (const auto& c : cases) {
    const auto checked = calendar::CheckTermEntries(c.entries);
    ASSERT_TRUE(std::holds_alternative<TermCalendar>(checked)) << c.year;
    const TermCalendar& term = std::get<TermCalendar>(checked);
    EXPECT_EQ(term.term, c.entries.term);
    EXPECT_EQ(term.year, c.year);
    EXPECT_EQ(term.file_name, c.file_name);
    EXPECT_EQ(term.weeks.size(), c.weeks) << c.year;
    EXPECT_EQ(term.weeks.front(), c.first_week);
  }
}
