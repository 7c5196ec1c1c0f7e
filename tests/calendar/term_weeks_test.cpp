#include "calendar/term_weeks.h"

#include <gtest/gtest.h>

// Labels across month ends, with and without 29 February; the terms that
// would need a 53rd week or a Friday after 31 December are among the checks.
TEST(TermWeekLabels, WeeksOfATerm) {
  const struct {
    int start_day, start_month, end_day, end_month;
    bool leap;
    size_t count, number;
    const char* label;
  } cases[] = {
      {6, 10, 19, 12, false, 11, 11, "Week 11 - 15 December to 19 December"},
      {6, 10, 19, 12, false, 11, 5, "Week 5 - 3 November to 7 November"},
      {6, 10, 15, 12, false, 10, 10, "Week 10 - 8 December to 12 December"},  // an end on a Monday
      {8, 9, 3, 10, false, 4, 4, "Week 4 - 29 September to 3 October"},
      {26, 2, 6, 3, true, 2, 1, "Week 1 - 26 February to 1 March"},
      {26, 2, 6, 3, false, 2, 1, "Week 1 - 26 February to 2 March"},
      {22, 2, 6, 3, true, 2, 2, "Week 2 - 29 February to 4 March"},
      {23, 2, 6, 3, false, 2, 2, "Week 2 - 2 March to 6 March"},
      {1, 1, 31, 12, false, 52, 52, "Week 52 - 24 December to 28 December"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start_day << "/" << c.start_month << " - " << c.end_day << "/"
                                    << c.end_month << (c.leap ? " leap" : ""));
    const auto weeks = calendar::TermWeekLabels(c.start_day, c.start_month, c.end_day, c.end_month, c.leap);
    ASSERT_TRUE(weeks.has_value());
    EXPECT_EQ(weeks->size(), c.count);
    EXPECT_EQ(weeks->at(c.number - 1), c.label);
  }
}
