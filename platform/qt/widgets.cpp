#include "platform/qt/widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QValidator>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "platform/msgbox.h"
#include "platform/qt/qt_text.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace vb {

namespace {

// A validator sees only what the user types or pastes; setText bypasses it.
class TypingLimit : public QValidator {
 public:
  TypingLimit(int max_chars, QObject* parent) : QValidator(parent), max_(max_chars) {}
  State validate(QString& input, int&) const override {
    return input.size() <= max_ ? Acceptable : Invalid;
  }

 private:
  int max_;
};

int ShowQtBox(const MessageBoxRequest& request) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (request.style & 0x70) {
    case vbCritical: icon = QMessageBox::Critical; break;
    case vbQuestion: icon = QMessageBox::Question; break;
    case vbExclamation: icon = QMessageBox::Warning; break;
    case vbInformation: icon = QMessageBox::Information; break;
  }
  const bool yes_no = (request.style & 7) == vbYesNo;
  // Some messages break their lines with LF CR; show that as one line break.
  QString text = ToQt(request.text);
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  // A box without a title of its own shows the program's.
  const QString title = request.title.empty() ? QApplication::applicationName() : ToQt(request.title);
  QMessageBox box(icon, title, text,
                  yes_no ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  QApplication::activeWindow());
  const int answer = box.exec();
  if (yes_no) return answer == QMessageBox::Yes ? vbYes : vbNo;
  return vbOK;
}

}  // namespace

void InstallQtMessageBoxes() { SetMessageBoxHandler(ShowQtBox); }

void GuardEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const EndProgram& end) {
    std::exit(end.exit_code);
  } catch (const Error& error) {
    // The explanation names native (UTF-8) paths; the box shows windows-1252.
    MsgBox("Run-time error '" + std::to_string(error.number()) + "':\n\n" + Utf8To1252(error.what()),
           vbCritical, "Orvane");
    std::exit(1);
  } catch (const std::exception& error) {
    MsgBox("Run-time error:\n\n" + Utf8To1252(error.what()), vbCritical, "Orvane");
    std::exit(1);
  } catch (...) {
    // Nothing may unwind into Qt's event loop.
    MsgBox("Run-time error.", vbCritical, "Orvane");
    std::exit(1);
  }
}

void RepaintNow(QWidget* widget) {
  widget->repaint();
  HandlePendingEvents();
}

void OnChosen(QRadioButton* option, const std::function<void()>& handler) {
  // A click that chooses the option has run the handler when it toggled.
  auto toggled_since_press = std::make_shared<bool>(false);
  QObject::connect(option, &QAbstractButton::pressed, option,
                   [toggled_since_press] { *toggled_since_press = false; });
  QObject::connect(option, &QAbstractButton::toggled, option,
                   [toggled_since_press, handler](bool chosen) {
                     *toggled_since_press = true;
                     if (chosen) handler();
                   });
  QObject::connect(option, &QAbstractButton::clicked, option, [toggled_since_press, handler] {
    if (!*toggled_since_press) handler();
  });
}

void LimitTyping(QLineEdit* box, int max_chars) {
  box->setValidator(new TypingLimit(max_chars, box));
}

}  // namespace vb
