// The rule that decides whether a build can be started: Install and Preview
// are enabled together exactly while it holds.
#pragma once

#include <array>
#include <string_view>

namespace builder {

// The school name and the drive box hold at least one character (blanks
// count), the year box holds exactly four digits (it names the year folder
// and the topics tools read it as a number), the K-6 layout is chosen or the
// subject groups are confirmed, and at least one year box is ticked.
bool InstallRuleHolds(std::string_view school_name, std::string_view year, std::string_view drive,
                      bool subject_layout, bool groups_ready, const std::array<bool, 14>& year_ticked);

}  // namespace builder
