#include "builder/core/tables.h"

#include "platform/text.h"

namespace builder {

int YearLevelOfCode(std::string_view year_code) {
  const std::string code = vb::UCase(year_code);
  if (code == "P") return 0;
  if (code == "K" || code == "J") return 1;
  for (int year = 1; year <= 12; ++year) {
    if (code == std::to_string(year)) return year + 1;
  }
  return -1;
}

}  // namespace builder
