#include "calendar/term_weeks.h"

namespace calendar {

namespace {

constexpr int kMaxWeeks = 52;

}  // namespace

const std::array<const char*, 13> MonthNames{
    "",     "January", "February", "March",     "April",   "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

int MonthLength(int month, bool leap) {
  switch (month) {
    case 2: return leap ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
  }
}

std::optional<std::vector<std::string>> TermWeekLabels(int start_day, int start_month, int end_day,
                                                       int end_month, bool leap) {
  std::vector<std::string> weeks;
  int day = start_day;
  int month = start_month;
  // Both steps of a week roll over by the length of its Monday's month.
  auto step = [&](int days, int month_length) {
    day += days;
    if (day > month_length) {
      ++month;
      day -= month_length;
    }
  };
  do {
    if (weeks.size() == kMaxWeeks) return std::nullopt;
    const int month_length = MonthLength(month, leap);
    std::string label = "Week " + std::to_string(weeks.size() + 1) + " - " + std::to_string(day) +
                        " " + MonthNames[month] + " to ";
    step(4, month_length);
    if (month > 12) return std::nullopt;
    weeks.push_back(label + std::to_string(day) + " " + MonthNames[month]);
    step(3, month_length);
  } while (month < end_month || (month == end_month && day < end_day));
  return weeks;
}

}  // namespace calendar
