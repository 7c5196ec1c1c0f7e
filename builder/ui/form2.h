// The progress window "Please Wait...": a heading and two labels that the
// import and the build set while they run.
#pragma once

#include <QWidget>

#include "site/progress_window.h"

class QLabel;

namespace builder {

class Form2 : public QWidget, public site::ProgressWindow {
 public:
  Form2();

  void Show() override;
  void Hide() override;
  // Each label shows the first 200 characters of its text at most.
  void SetLabel1(const std::string& text) override;
  void SetLabel3(const std::string& text) override;
  void Repaint() override;

  QLabel* Label1;  // one line
  QLabel* Label2;  // the heading
  QLabel* Label3;
};

}  // namespace builder
