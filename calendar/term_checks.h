// The checks of the calendar window's entries, made in a fixed order: the
// first that fails names the box to put right; otherwise the term's calendar.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace calendar {

// The text of a month box before a month is chosen.
inline constexpr const char* kSelectOne = "[select one]";

// The entries as typed (windows-1252).
struct TermEntries {
  std::string year;         // Text1
  std::string term;         // Combo1
  std::string start_day;    // Combo4
  std::string start_month;  // Combo2
  std::string end_day;      // Combo5
  std::string end_month;    // Combo3
};

// What a refusal does to the window; the month refusals also disable Generate.
enum class Refusal {
  kStartMonth,  // Combo2 back to "[select one]"
  kEndMonth,    // Combo3 back to "[select one]"
  kBothMonths,  // Combo3, then Combo2, back to "[select one]"
  kYear,        // Text1 emptied
  kStartDay,    // Combo4 emptied
  kEndDay,      // Combo5 emptied
  kTerm,        // Combo1 emptied
};

// An accepted term: what its page shows and the file it goes into.
struct TermCalendar {
  std::string term;       // "Term 2"
  std::string year;       // the year as typed, trimmed
  std::string file_name;  // "term2cal.htm"
  std::vector<std::string> weeks;
};

std::variant<TermCalendar, Refusal> CheckTermEntries(const TermEntries& entries);

}  // namespace calendar
