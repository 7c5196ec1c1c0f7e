#include "subjects/core/refresh_groups.h"

#include <cmath>

#include "platform/text.h"

namespace subjects {

namespace {

const char kTooFewGroups[] = "There MUST be a minimum of TWO Subject Groups specified.";
const char kOddGroups[] =
    "There MUST be an EVEN number of Subject Groups specified.  You may want to add a 'My Own "
    "Choice' group name, or if you already have one, remove it to leave an even number of groups.";
const char kSameFolder[] = "There MUST be a different folder name for every Subject Group.";

// Groups that would break the build or the settings file: a double quote
// ends a value in ovshrtct.ini and in the pages' attributes, a name without a
// folder name would leave the names and folders unpaired, and two groups in
// one folder would make the second folder fail for every student.
std::string GroupsProblem(const std::array<std::string, 13>& names,
                        const std::array<std::string, 13>& folders) {
  for (int k = 1; k <= 12; ++k) {
    if (names[k].find('"') != std::string::npos) {
      return "The Subject Group " + names[k] +
             " holds a double quote (\").  Please remove it from the name.";
    }
  }
  for (int k = 1; k <= 12; ++k) {
    if (!names[k].empty() && folders[k].empty()) {
      return "The Subject Group " + names[k] +
             " gives no folder name.  Please use letters or digits in its name.";
    }
  }
  for (int i = 1; i <= 12; ++i) {
    for (int j = i + 1; j <= 12; ++j) {
      if (!folders[i].empty() && folders[i] == folders[j]) return kSameFolder;
    }
  }
  return {};
}

}  // namespace

std::string SubjectFolderName(std::string_view name) {
  const std::string cut = vb::Trim(vb::LCase(vb::Left(name, 11)));
  std::string folder;
  for (char c : cut) {
    // Besides the rule's own characters, those no Windows file name may hold
    // ("\" would make a folder inside a folder and fail the build).
    if (static_cast<unsigned char>(c) < 32) continue;
    if (std::string_view("/ *.,?\\:\"<>|").find(c) == std::string_view::npos) folder += c;
  }
  return folder;
}

std::string NormaliseTopicCount(std::string_view text) {
  double count = std::floor(vb::Val(text));
  if (std::fmod(count, 2.0) != 0.0) count += 1;
  if (count < 2) count = 2;
  if (count > 12) count = 12;
  return std::to_string(static_cast<int>(count));
}

RefreshOutcome RefreshGroups(const std::array<std::string, 13>& boxes, std::string_view topic_box,
                             SubjectGroups& groups) {
  groups.SubjectGroupsReady = false;
  groups.SubjectGroupCount = 0;
  for (int k = 1; k <= 12; ++k) {
    groups.SubjectGroupNames[k] = vb::Trim(boxes[k]);
    groups.SubjectGroupFolders[k] = SubjectFolderName(groups.SubjectGroupNames[k]);
    if (!groups.SubjectGroupFolders[k].empty()) ++groups.SubjectGroupCount;
  }

  RefreshOutcome outcome;
  outcome.boxes = boxes;
  outcome.labels = groups.SubjectGroupFolders;
  outcome.topic_box = std::string(topic_box);
  if (groups.SubjectGroupCount < 2) {
    outcome.problem = kTooFewGroups;
  } else if (groups.SubjectGroupCount % 2 != 0) {
    outcome.problem = kOddGroups;
  } else {
    outcome.problem = GroupsProblem(groups.SubjectGroupNames, groups.SubjectGroupFolders);
  }
  if (!outcome.problem.empty()) return outcome;

  outcome.topic_box = NormaliseTopicCount(topic_box);
  groups.TopicsPerGroup = static_cast<std::int16_t>(std::stoi(outcome.topic_box));
  groups.SubjectGroupsReady = true;

  // Close up: every name has a folder name here, so the two lists stay paired.
  std::array<std::string, 13> names{}, folders{};
  int row = 0;
  for (int k = 1; k <= 12; ++k) {
    if (groups.SubjectGroupFolders[k].empty()) continue;
    ++row;
    names[row] = groups.SubjectGroupNames[k];
    folders[row] = groups.SubjectGroupFolders[k];
  }
  groups.SubjectGroupNames = names;
  groups.SubjectGroupFolders = folders;
  outcome.boxes = names;
  outcome.labels = folders;
  return outcome;
}

}  // namespace subjects
