// The subject groups of a subject-based site, kept by the subject-groups
// window and read by the build, its page writers and the shortcut settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace subjects {

struct SubjectGroups {
  std::array<std::string, 13> SubjectGroupNames;    // 1..SubjectGroupCount used
  std::array<std::string, 13> SubjectGroupFolders;  // 1..SubjectGroupCount used
  std::int16_t SubjectGroupCount = 0;
  bool SubjectGroupsReady = false;
  std::int16_t TopicsPerGroup = 0;
};

// The program's one set of subject groups.
SubjectGroups& Groups();

}  // namespace subjects
