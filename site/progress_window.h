// The progress window "Please Wait..." as the import and the build use it:
// two labels that they set and a repaint they ask for.
#pragma once

#include <string>

namespace builder {

class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void SetLabel1(const std::string& text) = 0;  // the phase, windows-1252
  virtual void SetLabel3(const std::string& text) = 0;  // the activity, windows-1252
  virtual void Repaint() = 0;
};

// A progress window that shows nothing, for tests and the benchmark.
class NoProgressWindow : public ProgressWindow {
 public:
  void Show() override {}
  void Hide() override {}
  void SetLabel1(const std::string& text) override { label1 = text; }
  void SetLabel3(const std::string& text) override { label3 = text; }
  void Repaint() override {}
  std::string label1, label3;
};

}  // namespace builder
