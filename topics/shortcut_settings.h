// The settings file ovshrtct.ini as the topics tools read it: the work label,
// the site year and, for the high-school tool, the subject groups.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "topics/variant.h"

namespace topics {

inline constexpr int kMaxSubjectGroups = 12;

struct ShortcutSettings {
  std::string work_label;  // trimmed
  int site_year = 0;       // a 16-bit whole number
  // High-school tool only.
  int subject_group_count = 0;
  std::vector<std::string> subject_group_names;
  std::vector<std::string> subject_group_folders;
  int topics_per_group = 0;
};

// Reads the values the variant needs, in file order. The primary tool stops
// after line 1; the high-school tool stops after the count when it is 0.
// Failures raise run-time errors: 53/76 missing file, 62 past the end,
// 13 a year that is not a number, 6 an overflow, 9 more than 12 groups.
// `settings` keeps what was read before a failure.
void ReadShortcutSettings(std::string_view path, Variant variant, ShortcutSettings& settings);

// A value read into a 16-bit whole number: blanks around it ignored, empty
// is 0, fractions rounded to even; not a number raises 13, out of range 6.
int InputInteger(std::string_view text);
// The leading number of a text as a 16-bit whole number (6 when out of range).
int LeadingInteger(std::string_view text);

}  // namespace topics
