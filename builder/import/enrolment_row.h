// One row of an enrolment export and the two parsers that cut it out of a
// line: the Vantel Console's StudentsRecord.csv and a plain school.csv.
#pragma once

#include <string>
#include <string_view>

namespace builder {

struct EnrolmentRow {
  std::string Surname;
  std::string PreferredName;  // the given name in school.csv
  std::string YearCode;       // the grade in school.csv
  std::string RollClass;      // the class in school.csv
  bool NoPreferredName = false;
  bool NoYear = false;
  bool NoRollClass = false;
  bool TooManyCommas = false;  // school.csv only
};

// Each parser takes one line as read (it trims the line itself) and fills
// `row` afresh. False when the line is skipped without a trace: a header, a
// line too short, an empty surname or too few commas.
//
// StudentsRecord.csv: surname, preferred name, two unused fields, the year
// ("YR3") and the roll class ("RC3A"), then at least one more comma.
bool ParseConsoleLine(std::string_view line, EnrolmentRow& row);
// school.csv: surname, given name, grade, class (the rest of the line).
bool ParseSchoolLine(std::string_view line, EnrolmentRow& row);

}  // namespace builder
