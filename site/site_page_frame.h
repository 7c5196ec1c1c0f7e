// The primary site's pages in the frame: which buttons a page shows, where
// they lead from its depth, and one call that writes a whole frame page.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site/build_run.h"
#include "site/page_frame.h"

namespace site {

// The navigation buttons, each leading to the index page of its depth:
// home 0 (site root), years 1, classes 2, class 3, my page 4.
enum class Button { Home = 0, Years = 1, Classes = 2, Class = 3, MyPage = 4 };

// The bare name (Replicated) or the chain up to the shared image folder.
std::string ImageSource(ImagePlacement placement, int depth, std::string_view name);
NavButton MakeButton(Button button, int depth, ImagePlacement placement);

struct FrameSlots {
  std::string title;
  int depth = 0;  // folders between the page and the site root
  std::vector<Button> buttons;
  std::optional<std::string> heading;  // none: the middle column starts with the content
  bool heading_two_lines = false;
  // Style marks.
  bool centred_column = false;
  bool centre_line = false;
  bool spaced_bottom = false;
  bool paragraph_cell = false;
};

FrameLook LookOf(const BuildRun& run);

using FrameMiddle = std::function<void(PageFrameWriter&)>;

// Adds 1 to PageCount, then writes `file_name` in the current folder: the
// head, the top row, the middle row with the heading and `middle`, the bottom
// row and the closing lines.
void SitePageFrame(BuildRun& run, std::string_view file_name, const FrameSlots& slots,
                   const FrameMiddle& middle);

}  // namespace site
