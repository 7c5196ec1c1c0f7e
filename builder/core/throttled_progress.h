// A progress window seen through a limit on how often it repaints: the
// activity label shows the latest text given at most once an interval, and
// the last one before the window hides; the rest reaches the window at once.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "site/progress_window.h"

namespace builder {

class ThrottledProgress : public site::ProgressWindow {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  ThrottledProgress(site::ProgressWindow& window, std::chrono::milliseconds interval,
                    Clock clock = std::chrono::steady_clock::now);

  void Show() override { window_.Show(); }
  // Shows a text still waiting, then hides the window.
  void Hide() override;
  void Flush() override;
  void SetLabel1(const std::string& text) override;
  void SetLabel3(const std::string& text) override;
  // Repaints when the interval has passed since the last repaint, or the
  // phase label changed; the activity label then takes the latest text.
  void Repaint() override;

 private:
  site::ProgressWindow& window_;
  const std::chrono::milliseconds interval_;
  const Clock clock_;
  std::chrono::steady_clock::time_point last_{};
  bool painted_ = false;
  bool phase_changed_ = false;
  bool activity_waiting_ = false;
  std::string activity_;
};

}  // namespace builder
