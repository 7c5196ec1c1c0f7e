#include "builder/core/throttled_progress.h"

#include <utility>

namespace builder {

ThrottledProgress::ThrottledProgress(site::ProgressWindow& window, std::chrono::milliseconds interval,
                                     Clock clock)
    : window_(window), interval_(interval), clock_(std::move(clock)) {}

void ThrottledProgress::SetLabel1(const std::string& text) {
  window_.SetLabel1(text);
  phase_changed_ = true;
}

void ThrottledProgress::SetLabel3(const std::string& text) {
  activity_ = text;
  activity_waiting_ = true;
}

void ThrottledProgress::Repaint() {
  const auto now = clock_();
  if (painted_ && !phase_changed_ && now - last_ < interval_) return;
  if (activity_waiting_) window_.SetLabel3(activity_);
  window_.Repaint();
  last_ = now;
  painted_ = true;
  phase_changed_ = false;
  activity_waiting_ = false;
}

void ThrottledProgress::Flush() {
  if (!activity_waiting_) return;
  window_.SetLabel3(activity_);
  window_.Repaint();
  activity_waiting_ = false;
}

void ThrottledProgress::Hide() {
  Flush();
  window_.Hide();
}

}  // namespace builder
