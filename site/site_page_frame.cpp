#include "site/site_page_frame.h"

namespace site {

namespace {

struct ButtonFace {
  const char* image;
  const char* alt;
};

constexpr ButtonFace kFaces[] = {
    {"but-home.jpg", "Click to return to our School's Home Page"},
    {"but-yrpg.jpg", "Click to return to the Years pages..."},
    {"but-clpg.jpg", "Click to return to the Classes list..."},
    {"but-stpg.jpg", "Click to see the pages of other students in my class..."},
    {"but-mypg.jpg", "Click here to return to My Home Page!"},
};

}  // namespace

std::string ImageSource(ImagePlacement placement, int depth, std::string_view name) {
  if (placement == ImagePlacement::Replicated) return std::string(name);
  return Climb(depth) + "ovimages/" + std::string(name);
}

NavButton MakeButton(Button button, int depth, ImagePlacement placement) {
  const int target_depth = static_cast<int>(button);
  const ButtonFace& face = kFaces[target_depth];
  return NavButton{Climb(depth - target_depth) + "index.htm",
                   ImageSource(placement, depth, face.image), face.alt};
}

FrameLook LookOf(const BuildRun& run) {
  return FrameLook{run.settings.SiteSchoolName(), run.ctx.ThemeColour1, run.ctx.FontFace};
}

void SitePageFrame(BuildRun& run, std::string_view file_name, const FrameSlots& slots,
                   const FrameMiddle& middle) {
  run.ctx.PageCount += 1;
  vb::LineWriter out(file_name);
  PageFrameWriter frame(out, LookOf(run));

  std::vector<NavButton> buttons;
  buttons.reserve(slots.buttons.size());
  for (Button button : slots.buttons) {
    buttons.push_back(MakeButton(button, slots.depth, run.settings.ImagePlacement()));
  }

  frame.Head(slots.title);
  frame.TopRow(buttons);
  if (slots.centre_line) frame.CentreLine();
  frame.SideCellsOpen(slots.centred_column);
  if (slots.heading) {
    if (slots.heading_two_lines) {
      frame.HeadingTwoLines(*slots.heading);
    } else {
      frame.Heading(*slots.heading);
    }
  }
  if (middle) middle(frame);
  if (slots.centred_column) frame.CentredColumnEnd();
  frame.SideCellsClose();

  BottomRowForm form;
  form.spaced = slots.spaced_bottom;
  form.paragraph_cell = slots.paragraph_cell;
  frame.BottomRow(buttons, form);
  frame.Tail(slots.centre_line);
  out.Close();
}

}  // namespace site
