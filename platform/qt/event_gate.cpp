#include "platform/qt/event_gate.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <vector>

#include "platform/msgbox.h"
#include "platform/qt/kept_controls.h"
#include "platform/qt/widgets.h"

namespace vb {

namespace {

// A handler that runs: the depth of event handling it began at, and the
// modal window that was open then.
struct RunningHandler {
  int depth;
  QPointer<QWidget> modal;
};

std::vector<RunningHandler>& Running() {
  static std::vector<RunningHandler> running;
  return running;
}

int pending_event_runs = 0;

// Rises by one inside each event loop run within another (a modal window's)
// and inside HandlePendingEvents: an event handled deeper came from outside
// the code that was running.
int EventDepth() { return QThread::currentThread()->loopLevel() + pending_event_runs; }

bool Holds(const QWidget* modal, const QWidget* window) {
  return window != nullptr && (window == modal || modal->isAncestorOf(window));
}

}  // namespace

bool HandlerMayStart(const QWidget* window) {
  if (MessageBoxOpen()) return false;
  QWidget* modal = QApplication::activeModalWidget();
  if (!Running().empty()) {
    const RunningHandler& running = Running().back();
    if (EventDepth() == running.depth) return true;  // set off by the running handler itself
    if (modal == nullptr || modal == running.modal) return false;
  }
  return modal == nullptr || Holds(modal, window);
}

namespace {

// Marks a handler as running for as long as it lives, however it ends.
class Run {
 public:
  Run() { Running().push_back({EventDepth(), QApplication::activeModalWidget()}); }
  ~Run() { Running().pop_back(); }
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;
};

}  // namespace

bool RunEvent(const QWidget* window, const std::function<void()>& handler) {
  if (!HandlerMayStart(window)) return false;
  NoteControls();
  Run run;
  GuardEvent(handler);
  return true;
}

void HandlePendingEvents(bool with_input) {
  NoteControls();
  ++pending_event_runs;
  QCoreApplication::processEvents(with_input ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
  --pending_event_runs;
}

}  // namespace vb
