// Keeps the text of a window's controls from being cut off at any font: each
// is made as tall and as wide as its text needs, the window growing to fit.
#pragma once

class QComboBox;
class QWidget;

namespace vb {

// Applied once to a window after its controls are made.
//
// The windows are drawn for a font at 96 dots per inch. At a larger one the
// widths they give in pixels take as many times as much, so that no control
// is narrower and every box and list shows as much of its text: a window's
// size (for a window that takes the size its layout gives it, its least
// width), the left edge and width of every control placed by coordinates,
// and the least and greatest widths of every control in a layout but a
// picture, and the width a list or text box in a layout asks for.
//
// Every label, button, check box and option button becomes at least as wide
// as its one-line text, and every editable drop-down list as wide as the text
// in its box. A control placed by coordinates grows away from the
// side its text is aligned to (to the right; to the left for a right-aligned
// label); the controls beyond it on that side whose rows meet its row, and
// those whose rows meet theirs, move by as much, and what holds them widens
// to keep its margins. In a layout such a control gets its text's width as
// its least width.
//
// Every one-line text box, drop-down list and label becomes at least as tall
// as its size hint (a wrapped label as tall as its text at its width), and a
// list box shows as many rows as it does at the font's size at 96 dots per
// inch. A multi-line text box shows as many lines: placed by coordinates, it
// takes as many times its height; in a layout, its window, given a size,
// does. A control placed by coordinates grows downwards; the controls below
// it move down by as much as it would overlap them, and so does the bottom
// of what holds them. A window laid out by a layout grows, whenever it is
// shown, to the height its layout needs at its width.
//
// Whatever already fits stays where it is; order, tab order and names stay.
void FitTextSizes(QWidget* window);

// The height and the width a control's one-line text needs, or 0 for a
// control that holds no such text. A button's caption must fit inside its
// frame with half the style's padding on either side, a list's text inside
// its box.
int NeededHeight(const QWidget* control);
int NeededWidth(const QWidget* control);

// How many times larger a control's font is drawn than at 96 dots per inch,
// the size the windows are drawn for.
double FontScale(const QWidget* control);

// Makes an editable drop-down list in a layout at least as wide as the text
// now in its box needs, for a text the program puts there once the window
// is made; the window widens if it must.
void FitListText(QComboBox* combo);

}  // namespace vb
