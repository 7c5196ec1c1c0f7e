// The shared files of every site root: the program files, the theme's 40
// images, the personalised writing page and the shortcut settings file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "site/build_run.h"
#include "subjects/core/subject_groups.h"

namespace builder {

// The images copied from the theme's folder into the shared image folder.
extern const std::array<std::string_view, 40> SiteImageList;

// Names of the program files: in the program folder and in the site root.
inline constexpr std::string_view kTopicsProgram = "ovtopics";
inline constexpr std::string_view kHighSchoolTopicsProgram = "ovhstopics";
inline constexpr std::string_view kSortLibrary = "XRsortLib.so";

// Copies the topics tool of the layout, writing.htm and the sorting library
// into the site root (the current folder), then the 40 theme images into
// ovimages, and last year's button after them when the Year Pages page links
// to a year from 2013 to 2099.
void CopySiteFiles(site::BuildRun& run);

// Puts the theme colour and the trimmed school name into the root's writing.htm.
void PersonaliseWritingPage(site::BuildRun& run);

// Writes ovshrtct.ini in the current folder (the site root).
void WriteShortcutSettings(site::BuildRun& run, const subjects::SubjectGroups& groups);

// Rewrites one page with the five replacement members of the build context.
void ReplaceInFile(site::BuildContext& ctx);

// Sets the marker, its replacement and its length for the pages that follow.
void SetReplaceMarker(site::BuildContext& ctx, std::string_view marker, const std::string& text);
// Rewrites `page` in `folder` below the target drive ("\orvane\school\")
// with the marker set; an error 75 passes over the call.
void RewritePage(site::BuildContext& ctx, std::string_view folder, std::string_view page);

}  // namespace builder
