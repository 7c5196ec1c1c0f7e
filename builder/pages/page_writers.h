// The page writers of the primary site: the school home page, the Year Pages
// page with its folders, and one whole year level (classes and students).
#pragma once

#include <string>

#include "site/build_run.h"

namespace builder {

// Home page of the site root (the current folder).
void MainSchoolPage(site::BuildRun& run);

// The Year Pages page, with the master and level folders. Its presence
// refuses another build of the year, so it is written under the name
// kUnfinishedYearPages and takes its own name only when PublishYearPages runs
// as the build is finished: a build that was stopped can be run again.
inline constexpr char kUnfinishedYearPages[] = "index.new";
void YearIndexPage(site::BuildRun& run);
// Syncs the year folder's unfinished Year Pages page and renames it to
// index.htm, replacing an empty index.htm, then syncs the folder.
void PublishYearPages(site::BuildRun& run);

// One year level: its class list is read from year_list_path.
void BuildYearLevel(site::BuildRun& run, const std::string& year_list_path);

}  // namespace builder
