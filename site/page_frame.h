// The skeleton every generated page is cut from: the head, a top row with the
// school's name and buttons, side cells around the content, and a bottom row.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace site {

// One navigation button: the link target, the image source as written in the
// page, and the alternative text. Every button is 127 by 25 with no border.
struct NavButton {
  std::string target;
  std::string image;
  std::string alt;
};

// What the frame reads of the build for every page.
struct FrameLook {
  std::string school_name;  // as typed, not trimmed
  std::string colour;       // the side cells
  std::string font_face;
};

// How the bottom row writes its buttons and closes its cell.
struct BottomRowForm {
  bool spaced = false;                  // "&nbsp; " before the first button
  int further_link_blanks = 12;         // indent of the link lines after the first
  bool break_before_anchor_end = true;  // last button "...><br>" then "</a><font ...>";
                                        // otherwise "...></a><br>" then "<font ...>"
  bool paragraph_cell = false;          // name closed by "</p>", then "<p>&nbsp;" and "</td>"
};

// "../" repeated `levels` times.
std::string Climb(int levels);

// Prints the frame's lines on one open page; the page's own content goes
// between SideCellsOpen and SideCellsClose.
class PageFrameWriter {
 public:
  PageFrameWriter(vb::LineWriter& out, FrameLook look);

  const FrameLook& look() const { return look_; }

  // One line with `blanks` leading blanks.
  void Line(int blanks, std::string_view text);
  // One line of the pieces one after another.
  void Line(int blanks, std::initializer_list<std::string_view> pieces);
  // A narrow cell in the theme's colour beside the page's content, on a
  // line of its own.
  void SideCellLine(int blanks);

  void Head(std::string_view title);
  void TopRow(const std::vector<NavButton>& buttons);
  // The "<center>" between the top row and the middle row.
  void CentreLine();
  // Opens the middle row up to the middle column; a centred middle column
  // stands inside its own <center>.
  void SideCellsOpen(bool centred_column = false);
  void Heading(std::string_view heading);
  void HeadingTwoLines(std::string_view heading);
  // The end of a centred middle column, before its </td>.
  void CentredColumnEnd();
  void SideCellsClose();
  void BottomRow(const std::vector<NavButton>& buttons, const BottomRowForm& form);
  // Closes the outer table (with the centre line's "</center>") and the page.
  void Tail(bool centre_line);

 private:
  void ButtonAlt(const NavButton& button, std::string_view ending);
  // The opening of a button's link, after `before`.
  void LinkLine(int blanks, std::string_view before, const NavButton& button);

  vb::LineWriter& out_;
  FrameLook look_;
};

}  // namespace site
