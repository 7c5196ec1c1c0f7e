// The manager's "Security Check" dialog, which asks for the password before
// the main window can be used.
#pragma once

#include <QDialog>

#include "tasks/task_password.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tasks::manager {

class Form2 : public QDialog {
 public:
  explicit Form2(QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Text1;      // shows "*" for every character, takes 15
  QPushButton* Command1;  // "&OK", the default button
};

// The define box ("Please Define a New Password") and this Security Check,
// which stays loaded for the run.
PasswordPrompts DialogPasswordPrompts(Form2& security_check);

}  // namespace tasks::manager
