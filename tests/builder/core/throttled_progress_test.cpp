#include "builder/core/throttled_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;

struct RecordingWindow : builder::ProgressWindow {
  void Show() override { events.push_back("show"); }
  void Hide() override { events.push_back("hide"); }
  void SetLabel1(const std::string& text) override { events.push_back("1:" + text); }
  void SetLabel3(const std::string& text) override { events.push_back("3:" + text); }
  void Repaint() override { events.push_back("repaint"); }
  std::vector<std::string> events;
};

// Students filed 10 ms apart reach the window at most once in 33 ms, each
// time as the latest of them; the phase label repaints at once.
TEST(ThrottledProgress, ShowsTheLatestTextOnceAnInterval) {
  RecordingWindow window;
  std::chrono::steady_clock::time_point now{};
  builder::ThrottledProgress shown(window, milliseconds(33), [&] { return now; });
  shown.SetLabel1("D:\\export.csv");
  shown.Show();
  shown.Repaint();
  for (int student = 1; student <= 8; ++student) {
    now += milliseconds(10);
    shown.SetLabel3("student " + std::to_string(student));
    shown.Repaint();
  }
  shown.SetLabel1("Creating Orvane Folder System");
  shown.Repaint();
  shown.Hide();
  EXPECT_EQ(window.events,
            (std::vector<std::string>{"1:D:\\export.csv", "show", "repaint", "3:student 4", "repaint",
                                      "3:student 8", "repaint", "1:Creating Orvane Folder System",
                                      "repaint", "hide"}));
}

}  // namespace
