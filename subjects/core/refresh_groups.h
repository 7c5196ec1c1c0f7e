// The refresh of the subject groups without the window: the names trimmed,
// their folder names derived, counted and checked, the groups closed up.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "subjects/core/subject_groups.h"

namespace subjects {

// The folder name of a group's trimmed name: its first eleven characters,
// lower-cased and trimmed, without "/", blanks, "*", ".", "," and "?".
std::string SubjectFolderName(std::string_view name);

// The topic-count box's text as the refresh leaves it: the whole part of its
// value, an odd number made even by adding 1, then kept within 2 to 12.
std::string NormaliseTopicCount(std::string_view text);

// What the window shows after a refresh. Index 0 is never used.
struct RefreshOutcome {
  std::string problem;                  // the "Problem:" message; empty when the groups pass
  std::array<std::string, 13> boxes;    // the name boxes
  std::array<std::string, 13> labels;   // the folder labels
  std::string topic_box;                // the topic-count box
};

// Refreshes `groups` from the texts of the twelve name boxes (index 1 to 12)
// and of the topic-count box. When the groups pass they are closed up and the
// boxes show them; otherwise the boxes keep their text and the ready flag is clear.
RefreshOutcome RefreshGroups(const std::array<std::string, 13>& boxes, std::string_view topic_box,
                             SubjectGroups& groups);

}  // namespace subjects
