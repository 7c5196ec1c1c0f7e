// The ready-made intranet around the year pages: the template folder copied
// onto the target drive and its pages personalised by their markers.
#pragma once

#include <array>
#include <string_view>

#include "builder/core/build_run.h"

namespace builder {

struct TemplatePage {
  std::string_view folder;  // below the drive, "\orvane\school\"
  std::string_view page;
};

extern const std::array<TemplatePage, 28> SchoolNameFiles;
extern const std::array<TemplatePage, 42> ColourFiles;

// Copies every folder, then every file, at the top of the program folder's
// "ovintranet" onto the target drive's root, replacing; adds 70 to PageCount.
void CopyTemplateSite(BuildRun& run);

// The school-name and colour passes, then the year link and the library code.
void PersonaliseTemplate(BuildRun& run);

}  // namespace builder
