// How the subject layout's pages use the site's page frame: the run modes,
// the page depths, the image-path rule and the navigation buttons.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "site/build_run.h"
#include "site/page_frame.h"

namespace subjects {

// How a writer runs: a sample page for the preview, the year's master pages,
// or a named student's pages.
enum class SubjectPageMode { Preview, Master, Named };
SubjectPageMode PageModeOf(const site::BuildContext& ctx);

// PageDepth: folder levels between the site root and the page's folder.
inline constexpr int kStudentFolderDepth = 4;
inline constexpr int kSubjectFolderDepth = 5;

// ButtonImagePath: "../" x depth + "ovimages/" + name with the shared image
// folder; "../" x (depth - 4) + name with the buttons beside the student's page.
std::string ButtonImagePath(site::ImagePlacement placement, int depth, std::string_view image);

// The placement a page's pictures follow: the preview page lies beside its
// theme's images, so it names them as copied buttons whatever is chosen.
site::ImagePlacement PagePlacement(const site::BuildRun& run);

// A navigation button before its image path is chosen.
struct ButtonLink {
  std::string_view target;
  std::string_view image;
  std::string_view alt;
};

// The buttons of a page in a student (or master) folder, then those of an
// index page in a subject folder; a topic page's first button leads to the
// index page (kSubjectPageButton).
inline constexpr ButtonLink HomeNavigationButtons[4] = {
    {"../index.htm", "but-stpg.jpg", "Click to see the pages of other students in my class..."},
    {"../../index.htm", "but-clpg.jpg", "Click to return to the Classes list..."},
    {"../../../index.htm", "but-yrpg.jpg", "Click to return to the Years pages..."},
    {"../../../../index.htm", "but-home.jpg", "Click to return to our School's Home Page"},
};

inline constexpr ButtonLink SubjectNavigationButtons[5] = {
    {"../index.htm", "but-mypg.jpg", "Click here to return to My Home Page!"},
    {"../../index.htm", "but-stpg.jpg", "Click to see the pages of other students in my class..."},
    {"../../../index.htm", "but-clpg.jpg", "Click to return to the Classes list..."},
    {"../../../../index.htm", "but-yrpg.jpg", "Click to return to the Years pages..."},
    {"../../../../../index.htm", "but-home.jpg", "Click to return to our School's Home Page"},
};

inline constexpr ButtonLink kSubjectPageButton = {"index.htm", "but-mypg.jpg",
                                                  "Click here to return to My Subject Page!"};

// The wording of the bottom row after its last button on the home page, a
// subject's index page and a topic page.
inline constexpr site::BottomRowForm kHomeBottomRow{false, 12, true, true};
inline constexpr site::BottomRowForm kIndexBottomRow{false, 10, false, true};
inline constexpr site::BottomRowForm kTopicBottomRow{false, 10, false, false};

struct SubjectPageLayout {
  int depth;
  std::span<const ButtonLink> buttons;
  site::BottomRowForm bottom_row;
};

// The table of links in the middle of a home or subject page: its heading
// row ("Take a look around the work I've been doing in <where> this year!")
// and its closing coloured row; the link rows stand between.
void OpenLinkTable(site::PageFrameWriter& page, const site::BuildRun& run, std::string_view where);
void CloseLinkTable(site::PageFrameWriter& page, const site::BuildRun& run);

// Writes `file` (created or emptied): the head with `title`, the top row, the
// centre line, the side cells around `content`, the bottom row and the tail.
void WriteSubjectPage(const site::BuildRun& run, std::string_view file, std::string_view title,
                      const SubjectPageLayout& layout,
                      const std::function<void(site::PageFrameWriter&)>& content);

}  // namespace subjects
