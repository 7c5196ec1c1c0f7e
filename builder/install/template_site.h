// The ready-made intranet around the year pages: the template folder copied
// onto the target drive and its pages personalised by their markers.
#pragma once

#include <array>
#include <string_view>

#include "site/build_run.h"

namespace builder {

struct TemplatePage {
  std::string_view folder;  // below the drive, "\orvane\school\"
  std::string_view page;
};

extern const std::array<TemplatePage, 28> SchoolNameFiles;
extern const std::array<TemplatePage, 42> ColourFiles;

// Before the copy: every file on the drive that the copy will replace, and
// whose bytes differ from what the copy and the personalisation will leave
// there (or left there, wholly or in part, in a build that was stopped), is
// kept under <drive>\orvane\ovbackup\<yyyy-mm-dd hhmmss>\ at its
// path below the drive's root (orvane\staff\index.htm); when none differs no
// folder is made. The home page that this build wrote itself
// (`home_page_made`) is not the school's.
void KeepEditedTemplateFiles(site::BuildRun& run, bool home_page_made);

// Copies every folder, then every file, at the top of the program folder's
// "ovintranet" onto the target drive's root, replacing; adds 70 to PageCount.
void CopyTemplateSite(site::BuildRun& run);

// The school-name and colour passes, then the year link and the library code.
void PersonaliseTemplate(site::BuildRun& run);

}  // namespace builder
