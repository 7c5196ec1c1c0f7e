#include "builder/core/install_rule.h"

namespace builder {

namespace {

bool FourDigits(std::string_view year) {
  if (year.size() != 4) return false;
  for (char c : year) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

bool InstallRuleHolds(std::string_view school_name, std::string_view year, std::string_view drive,
                      bool subject_layout, bool groups_ready, const std::array<bool, 14>& year_ticked) {
  if (school_name.empty()) return false;
  if (!FourDigits(year)) return false;
  if (drive.empty()) return false;
  if (subject_layout && !groups_ready) return false;
  for (bool ticked : year_ticked) {
    if (ticked) return true;
  }
  return false;
}

}  // namespace builder
