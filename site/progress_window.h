// The progress window "Please Wait..." as the import and the build use it:
// two labels that they set and a repaint they ask for.
#pragma once

#include <string>

namespace site {

class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void SetLabel1(const std::string& text) = 0;  // the phase, windows-1252
  virtual void SetLabel3(const std::string& text) = 0;  // the activity, windows-1252
  virtual void Repaint() = 0;
  // Shows at once a text held back for a later repaint, as before a box that
  // stops the work; a window that holds nothing back has nothing to do.
  virtual void Flush() {}
};

}  // namespace site
