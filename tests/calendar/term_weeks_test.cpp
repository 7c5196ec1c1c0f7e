#include <gtest/gtest.h>

#include "calendar/term_weeks.h"

namespace {

// Labels across month ends, in and out of leap years, and the two terms
// that would run past the page's 52 weeks or past 31 December.
TEST(TermWeekLabels, WeeksOfATerm) {
  const struct {
    int start_day, start_month, end_day, end_month;
    bool leap;
    size_t count;  // 0: refused
    std::vector<std::pair<size_t, const char*>> labels;
  } cases[] = {
      {6, 10, 19, 12, false, 11,
       {{1, "Week 1 - 6 October to 10 October"},
        {4, "Week 4 - 27 October to 31 October"},
        {5, "Week 5 - 3 November to 7 November"},
        {11, "Week 11 - 15 December to 19 December"}}},
      // An end date on a Monday leaves its week out.
      {6, 10, 15, 12, false, 10, {{10, "Week 10 - 8 December to 12 December"}}},
      {8, 9, 3, 10, false, 4, {{4, "Week 4 - 29 September to 3 October"}}},
      {26, 2, 6, 3, true, 2, {{1, "Week 1 - 26 February to 1 March"}, {2, "Week 2 - 4 March to 8 March"}}},
      {26, 2, 6, 3, false, 2, {{1, "Week 1 - 26 February to 2 March"}, {2, "Week 2 - 5 March to 9 March"}}},
      // The Friday ends the month and the Monday begins the next.
      {23, 2, 6, 3, false, 2, {{1, "Week 1 - 23 February to 27 February"}, {2, "Week 2 - 2 March to 6 March"}}},
      {22, 2, 6, 3, true, 2, {{1, "Week 1 - 22 February to 26 February"}, {2, "Week 2 - 29 February to 4 March"}}},
      {29, 3, 2, 4, false, 1, {{1, "Week 1 - 29 March to 2 April"}}},
      {1, 1, 31, 12, false, 52, {{52, "Week 52 - 24 December to 28 December"}}},
      {1, 1, 31, 12, true, 0, {}},
      {30, 11, 31, 12, false, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start_day << "/" << c.start_month << " - " << c.end_day << "/"
                                    << c.end_month << (c.leap ? " leap" : ""));
    const auto weeks = calendar::TermWeekLabels(c.start_day, c.start_month, c.end_day, c.end_month, c.leap);
    if (c.count == 0) {
      EXPECT_FALSE(weeks.has_value());
      continue;
    }
    ASSERT_TRUE(weeks.has_value());
    EXPECT_EQ(weeks->size(), c.count);
    for (const auto& [number, label] : c.labels) EXPECT_EQ(weeks->at(number - 1), label);
  }
}

}  // namespace
