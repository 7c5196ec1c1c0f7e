// The one gate of the windows' event handlers: a handler starts only when no
// box or modal window stands over its window and no other handler runs.
#pragma once

#include <functional>

class QWidget;

namespace vb {

// Runs `handler`, an event handler of `window` (nullptr: of no window), under
// GuardEvent when it may start now, and says whether it ran. It may not start
// while a message box is open, nor while a modal window other than `window`
// (or one that holds it) is open. While a handler runs, no handler starts
// again through the event loop (a box's, a dialog's or HandlePendingEvents'),
// except those of a modal window opened since it began; what the running
// handler sets off from its own code (a control set by code) runs at once.
bool RunEvent(const QWidget* window, const std::function<void()>& handler);

// Says whether a handler of `window` may start now, as RunEvent decides it.
// When it may not, a change that reaches the window's controls comes from
// outside the running handler, and they put it back (NoteControls).
bool HandlerMayStart(const QWidget* window);

// Handles the pending events (other than input unless `with_input`), so that
// a long operation shows its progress; no handler starts through them.
void HandlePendingEvents(bool with_input = false);

}  // namespace vb
