// The manager's "eMail Status" window: what the mail component reports
// while a task is sent, kept for the whole run.
#pragma once

#include <QWidget>
#include <string>

class QListWidget;

namespace tasks::manager {

class Form3 : public QWidget {
 public:
  explicit Form3(QWidget* parent = nullptr);

  // Adds a line at the end and scrolls to it, leaving nothing selected.
  void AddStatusLine(const std::string& text1252);

  QListWidget* lstStatus;
};

}  // namespace tasks::manager
