// The frame that every page of the subject-based layout shares: the head, the
// navigation rows, the side cells and the tail, with the image-path rule.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "builder/core/build_run.h"
#include "platform/files.h"

namespace subjects {

// How a writer runs: a sample page for the preview, the year's master pages,
// or a named student's pages.
enum class SubjectPageMode { Preview, Master, Named };
SubjectPageMode PageModeOf(const builder::BuildContext& ctx);

// PageDepth: folder levels between the site root and the page's folder.
inline constexpr int kStudentFolderDepth = 4;
inline constexpr int kSubjectFolderDepth = 5;

// The src of a button image: "../" x depth + "ovimages/" + name with the
// shared image folder; "../" x (depth - 4) + name with replicated buttons.
std::string ButtonImagePath(builder::ImagePlacement placement, int depth, std::string_view image);

// One navigation button: border 0, 127 x 25.
struct NavButton {
  std::string_view target;
  std::string_view image;
  std::string_view alt;
};

// The buttons of a page in a student (or master) folder, then those of an
// index page in a subject folder; a topic page's first button leads to the
// index page (kSubjectPageButton).
inline constexpr NavButton HomeNavigationButtons[4] = {
    {"../index.htm", "but-stpg.jpg", "Click to see the pages of other students in my class..."},
    {"../../index.htm", "but-clpg.jpg", "Click to return to the Classes list..."},
    {"../../../index.htm", "but-yrpg.jpg", "Click to return to the Years pages..."},
    {"../../../../index.htm", "but-home.jpg", "Click to return to our School's Home Page"},
};

inline constexpr NavButton SubjectNavigationButtons[5] = {
    {"../index.htm", "but-mypg.jpg", "Click here to return to My Home Page!"},
    {"../../index.htm", "but-stpg.jpg", "Click to see the pages of other students in my class..."},
    {"../../../index.htm", "but-clpg.jpg", "Click to return to the Classes list..."},
    {"../../../../index.htm", "but-yrpg.jpg", "Click to return to the Years pages..."},
    {"../../../../../index.htm", "but-home.jpg", "Click to return to our School's Home Page"},
};

inline constexpr NavButton kSubjectPageButton = {"index.htm", "but-mypg.jpg",
                                                 "Click here to return to My Subject Page!"};

// One page file: each line is its leading blanks and its text, ended by CR LF.
class PageFile {
 public:
  explicit PageFile(std::string_view path) : out_(path) {}
  void Line(int blanks, std::string_view text);
  void Empty() { out_.Print(""); }
  void Close() { out_.Close(); }

 private:
  vb::LineWriter out_;
};

// The wording of the bottom row after its last button.
enum class BottomRowForm { Home, SubjectIndex, Topic };

// The frame's pieces, in the order a page prints them around its content.
void FrameHead(PageFile& page, std::string_view title_line);
void TopNavigationRow(PageFile& page, const builder::BuildRun& run, int depth,
                      std::span<const NavButton> buttons);
void CenterLine(PageFile& page);
void SideCellsOpen(PageFile& page, const builder::BuildRun& run);
void SideCellsClose(PageFile& page, const builder::BuildRun& run);
void BottomNavigationRow(PageFile& page, const builder::BuildRun& run, int depth,
                         std::span<const NavButton> buttons, BottomRowForm form);
void FrameTail(PageFile& page);

}  // namespace subjects
