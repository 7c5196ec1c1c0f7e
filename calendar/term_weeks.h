// The labels of a term's weeks ("Week 4 - 29 September to 3 October"),
// stepping four days from each Monday to its Friday and three to the next Monday.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace calendar {

// "January" .. "December" at 1 .. 12; index 0 stays empty.
extern const std::array<const char*, 13> MonthNames;

// 28 or 29 days for February, by the leap flag.
int MonthLength(int month, bool leap);

// The labels from the first Monday to the week of the last Friday: a week
// whose Monday is not before the end date is left out. Nothing when the term
// would need a 53rd label or a Friday after 31 December.
std::optional<std::vector<std::string>> TermWeekLabels(int start_day, int start_month, int end_day,
                                                       int end_month, bool leap);

}  // namespace calendar
