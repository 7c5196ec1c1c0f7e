#include "builder/core/throttled_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/no_progress_window.h"

namespace {

using std::chrono::milliseconds;

// What the window shows at each of its repaints.
struct ShownAtRepaint : builder::NoProgressWindow {
  void Repaint() override { shown.push_back(label1 + " | " + label3); }
  std::vector<std::string> shown;
};

// Students filed 10 ms apart reach the window at most once in 33 ms, each
// time as the latest of them; a new phase label repaints at once.
TEST(ThrottledProgress, ShowsTheLatestTextOnceAnInterval) {
  ShownAtRepaint window;
  std::chrono::steady_clock::time_point now{};
  builder::ThrottledProgress shown(window, milliseconds(33), [&] { return now; });
  shown.SetLabel1("D:\\export.csv");
  shown.Repaint();
  for (int student = 1; student <= 8; ++student) {
    now += milliseconds(10);
    shown.SetLabel3("student " + std::to_string(student));
    shown.Repaint();
  }
  shown.SetLabel1("Creating Orvane Folder System");
  shown.Repaint();
  EXPECT_EQ(window.shown, (std::vector<std::string>{"D:\\export.csv | ", "D:\\export.csv | student 4",
                                                    "D:\\export.csv | student 8",
                                                    "Creating Orvane Folder System | student 8"}));
}

// The build's last text comes too soon after the last class to repaint; it
// is shown before the window hides, and nothing is shown twice.
TEST(ThrottledProgress, ShowsTheLastTextBeforeABoxOrHiding) {
  ShownAtRepaint window;
  std::chrono::steady_clock::time_point now{};
  builder::ThrottledProgress shown(window, milliseconds(33), [&] { return now; });
  shown.SetLabel1("Creating Orvane Folder System");
  shown.SetLabel3("class 1");
  shown.Repaint();
  now += milliseconds(10);
  shown.SetLabel3("Creating new school intranet pages...");
  shown.Repaint();
  shown.Flush();  // as before a box that stops the build
  now += milliseconds(10);
  shown.SetLabel3("Sorting student list...");
  shown.Repaint();
  shown.Hide();
  shown.Hide();
  EXPECT_EQ(window.shown,
            (std::vector<std::string>{"Creating Orvane Folder System | class 1",
                                      "Creating Orvane Folder System | Creating new school intranet pages...",
                                      "Creating Orvane Folder System | Sorting student list..."}));
}

}  // namespace
