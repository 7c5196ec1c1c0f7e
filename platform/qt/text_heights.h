// Keeps the text of a window's boxes, lists and labels from being cut off:
// each is made at least as tall as its font needs, the window growing to fit.
#pragma once

class QWidget;

namespace vb {

// Applied once to a window after its controls are made. Every one-line text
// box, drop-down list and label becomes at least as tall as its size hint (a
// wrapped label as tall as its text at its width). A control placed by
// coordinates grows downwards; the controls below it move down by as much as
// it would overlap them, and so does the bottom of what holds them. A window
// laid out by a layout grows, whenever it is shown, to the height its layout
// needs at its width. Left edges, widths, order and tab order stay.
void FitTextHeights(QWidget* window);

}  // namespace vb
