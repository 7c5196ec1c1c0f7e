#include "tasks/ui/manager_form2.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"
#include "tasks/ui/task_widgets.h"

namespace tasks::manager {

Form2::Form2(QWidget* parent) : QDialog(parent) {
  setObjectName("Form2");
  setWindowTitle("Security Check");
  Label1 = Named(new QLabel("Enter Password:", this), "Label1");
  Text1 = Named(new QLineEdit(this), "Text1");
  Label1->setBuddy(Text1);  // the box takes the label's text as its name
  Text1->setEchoMode(QLineEdit::Password);
  Text1->setStyleSheet("lineedit-password-character: 42");
  Text1->setMaxLength(kTypedPasswordLength);
  Command1 = Named(new QPushButton("&OK", this), "Command1");
  Command1->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Text1);
  layout->addWidget(Command1, 0, Qt::AlignRight);
  vb::FitTextSizes(this);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

PasswordPrompts DialogPasswordPrompts(Form2& security_check) {
  const auto define_new = []() -> std::optional<std::string> {
    bool ok = false;
    const QString answer = QInputDialog::getText(nullptr, "Please Define a New Password", "Password:",
                                                 QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return vb::FromQt(answer);
  };
  const auto check = [&security_check]() -> std::optional<std::string> {
    security_check.Text1->clear();
    const bool answered = security_check.exec() == QDialog::Accepted;
    const std::string typed = vb::FromQt(security_check.Text1->text());
    security_check.Text1->clear();
    if (!answered) return std::nullopt;
    return typed;
  };
  return {define_new, check};
}

}  // namespace tasks::manager
