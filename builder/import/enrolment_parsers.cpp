#include "builder/import/enrolment_row.h"

#include <string>
#include <string_view>
#include <utility>

#include "platform/text.h"

namespace builder {

namespace {

bool Quoted(const std::string& field) {
  return field.size() >= 2 && field.front() == '"' && field.back() == '"';
}

// A field that begins with a double quote and holds no other loses it: the
// year list's reader would take that quote to open a value that runs on past
// the commas. Any other quote stays part of its field.
std::string DropUnmatchedQuote(std::string field) {
  const size_t start = field.find_first_not_of(" \t");  // where the reader's value begins
  if (start == std::string::npos || field[start] != '"') return field;
  if (field.find('"', start + 1) != std::string::npos) return field;
  return vb::Trim(field.substr(0, start) + field.substr(start + 1));
}

// A field that an export wrote between double quotes loses them.
std::string Unquote(std::string field) {
  if (Quoted(field)) field = vb::Trim(std::string_view(field).substr(1, field.size() - 2));
  return DropUnmatchedQuote(std::move(field));
}

// The field between the commas at `left` (0 for the start of the line) and
// `right`, both 1-based, trimmed. It is copied once: a name may be megabytes long.
std::string Field(const std::string& line, long left, long right) {
  const size_t from = static_cast<size_t>(left);
  return Unquote(vb::Trim(std::string_view(line).substr(from, static_cast<size_t>(right - left - 1))));
}

long NextComma(const std::string& line, long after) { return vb::InStr(after + 1, line, ","); }

bool StartsWithCode(const std::string& field, std::string_view code) {
  return vb::UCase(vb::Left(field, 2)) == code;
}

}  // namespace

bool ParseConsoleLine(std::string_view raw, EnrolmentRow& row) {
  row = EnrolmentRow{};
  const std::string line = vb::Trim(raw);
  if (vb::LCase(vb::Left(line, 19)) == "lastname,firstname,") return false;
  if (line.size() < 10) return false;

  const long c1 = NextComma(line, 0);
  if (c1 < 2) return false;
  row.Surname = Field(line, 0, c1);
  if (row.Surname.empty()) return false;

  const long c2 = NextComma(line, c1);
  if (c2 == 0) return false;
  row.PreferredName = Field(line, c1, c2);
  row.NoPreferredName = row.PreferredName.empty();

  const long c3 = NextComma(line, c2);
  if (c3 == 0) return false;
  const long c4 = NextComma(line, c3);
  if (c4 == 0) return false;

  const long c5 = NextComma(line, c4);
  if (c5 == 0) return false;
  row.YearCode = Field(line, c4, c5);
  row.NoYear = row.YearCode.empty();
  // "YR3" is year 3, and "YR 10" year 10.
  if (StartsWithCode(row.YearCode, "YR")) row.YearCode = vb::Trim(vb::Mid(row.YearCode, 3));

  const long c6 = NextComma(line, c5);
  if (c6 == 0) return false;
  row.RollClass = Field(line, c5, c6);
  row.NoRollClass = row.RollClass.empty();
  if (StartsWithCode(row.RollClass, "RC")) {
    row.RollClass = DropUnmatchedQuote(vb::Trim(vb::Mid(row.RollClass, 3, 20)));
  }
  return true;
}

bool ParseSchoolLine(std::string_view raw, EnrolmentRow& row) {
  row = EnrolmentRow{};
  const std::string line = vb::Trim(raw);
  if (line.size() < 7) return false;
  if (vb::Left(line, 8) == "Surname:") return false;

  const long c1 = NextComma(line, 0);
  if (c1 < 2) return false;
  row.Surname = Field(line, 0, c1);
  if (row.Surname.empty()) return false;

  const long c2 = NextComma(line, c1);
  if (c2 == 0) {
    row.NoPreferredName = true;
    return true;
  }
  row.PreferredName = Field(line, c1, c2);
  row.NoPreferredName = row.PreferredName.empty();

  const long c3 = NextComma(line, c2);
  if (c3 == 0) {
    row.NoYear = true;
    return true;
  }
  row.YearCode = Field(line, c2, c3);
  row.NoYear = row.YearCode.empty();

  row.TooManyCommas = NextComma(line, c3) != 0;
  // The class is the rest of the line, further commas included, cut to 30
  // characters.
  const std::string rest = vb::Trim(vb::Mid(line, c3 + 1));
  row.RollClass = DropUnmatchedQuote(Quoted(rest) ? vb::Trim(vb::Left(Unquote(rest), 30))
                                                  : vb::Trim(vb::Mid(line, c3 + 1, 30)));
  row.NoRollClass = row.RollClass.empty();
  return true;
}

}  // namespace builder
