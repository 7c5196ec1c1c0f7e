// A progress window that shows nothing and keeps its two labels, for the
// builder's tests and the benchmarks.
#pragma once

#include <string>

#include "site/progress_window.h"

namespace builder {

class NoProgressWindow : public site::ProgressWindow {
 public:
  void Show() override {}
  void Hide() override {}
  void SetLabel1(const std::string& text) override { label1 = text; }
  void SetLabel3(const std::string& text) override { label3 = text; }
  void Repaint() override {}
  std::string label1, label3;
};

}  // namespace builder
