// Small helpers that give Qt widgets the behaviour the programs expect of
// their Windows controls and events.
#pragma once

#include <functional>

#include "platform/qt/event_gate.h"

class QLineEdit;
class QRadioButton;
class QWidget;

namespace vb {

// Installs the real, modal message boxes.
void InstallQtMessageBoxes();

// Runs an event handler. A run-time error that escapes it shows a critical box
// with its number and ends the program; End() ends it quietly. A window's
// handlers go through RunEvent, which calls this once they may start.
void GuardEvent(const std::function<void()>& handler);

// A slot that runs the event `handler` of `window` through RunEvent.
template <typename Window>
std::function<void()> GuardedEvent(Window* window, void (Window::*handler)()) {
  return [window, handler] { RunEvent(window, [window, handler] { (window->*handler)(); }); };
}

// Repaints a window at once during a long operation, handling pending
// non-input events (HandlePendingEvents) so that it really shows.
void RepaintNow(QWidget* widget);

// Runs `handler` once for each choice of the option button: whenever it
// becomes the chosen one, by mouse, keyboard, program or assistive technology,
// and when it is clicked while chosen already.
void OnChosen(QRadioButton* option, const std::function<void()>& handler);

// Limits what the user may type or paste into `box` to `max_chars`
// characters; text set by the program is not limited.
void LimitTyping(QLineEdit* box, int max_chars);

}  // namespace vb
