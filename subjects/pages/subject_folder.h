// The folder of one subject group inside the student's (or the year's master)
// folder, as the subject index and topic writers find and enter it.
#pragma once

#include <array>
#include <string>

#include "site/build_run.h"

namespace subjects {

// Slot k of a group table; slots 0 to 12 exist, any other raises 9.
const std::string& GroupSlot(const std::array<std::string, 13>& table, int k);

// Makes subject k's folder current: the year's master folder's one (also kept
// in MasterPath) while MasterFlag is 0, the current student's one otherwise.
void EnterSubjectFolder(site::BuildRun& run, int k);

}  // namespace subjects
