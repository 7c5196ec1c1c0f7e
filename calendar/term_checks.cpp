#include "calendar/term_checks.h"

#include <cmath>
#include <optional>

#include "calendar/term_weeks.h"
#include "platform/text.h"

namespace calendar {

namespace {

// 1 .. 12 for a month's exact name, else 0.
int MonthNumber(const std::string& text) {
  const std::string name = vb::Trim(text);
  for (int month = 1; month <= 12; ++month) {
    if (name == MonthNames[month]) return month;
  }
  return 0;
}

// A day as typed: its leading number rounded, halves to the even neighbour.
// It stays a double, so a number too big for a day fails the day checks
// rather than overflowing.
double DayNumber(const std::string& text) { return std::nearbyint(vb::Val(text)); }

}  // namespace

std::variant<TermCalendar, Refusal> CheckTermEntries(const TermEntries& entries) {
  const int start_month = MonthNumber(entries.start_month);
  if (start_month == 0) return Refusal::kStartMonth;
  const int end_month = MonthNumber(entries.end_month);
  if (end_month == 0) return Refusal::kEndMonth;
  if (end_month < start_month) return Refusal::kBothMonths;
  if (end_month == start_month) return Refusal::kEndMonth;

  const double start_day = DayNumber(entries.start_day);
  const double end_day = DayNumber(entries.end_day);
  const double year = vb::Val(entries.year);
  if (!(year >= 2003) || !(year <= 2050)) return Refusal::kYear;
  const bool leap = static_cast<long>(std::nearbyint(year)) % 4 == 0;

  if (!(start_day >= 1)) return Refusal::kStartDay;
  if (!(end_day >= 1)) return Refusal::kEndDay;
  if (!(start_day <= 31)) return Refusal::kStartDay;
  if (!(end_day <= 31)) return Refusal::kEndDay;
  if (start_day > MonthLength(start_month, leap)) return Refusal::kStartDay;
  if (end_day > MonthLength(end_month, leap)) return Refusal::kEndDay;

  const std::string& term = entries.term;
  if (vb::Left(term, 5) != "Term ") return Refusal::kTerm;
  const double term_number = vb::Val(vb::Right(term, 1));
  if (!(term_number >= 1) || !(term_number <= 4)) return Refusal::kTerm;
  // "Term 21" or "Term  2" pass the checks above but name no term's file.
  TermCalendar calendar;
  calendar.term = vb::Trim(term);
  if (calendar.term.size() != 6) return Refusal::kTerm;
  calendar.file_name = "term" + calendar.term.substr(5) + "cal.htm";

  std::optional<std::vector<std::string>> weeks =
      TermWeekLabels(static_cast<int>(start_day), start_month, static_cast<int>(end_day), end_month, leap);
  if (!weeks) return Refusal::kEndDay;
  calendar.weeks = std::move(*weeks);
  calendar.year = vb::Trim(entries.year);
  return calendar;
}

}  // namespace calendar
