// The page writers of the primary site: the school home page, the Year Pages
// page with its folders, and one whole year level (classes and students).
#pragma once

#include <string>

#include "builder/core/build_run.h"

namespace builder {

// Home page of the site root (the current folder).
void MainSchoolPage(BuildRun& run);

// The Year Pages page, with the master and level folders.
void YearIndexPage(BuildRun& run);

// One year level: its class list is read from year_list_path.
void BuildYearLevel(BuildRun& run, const std::string& year_list_path);

}  // namespace builder
