#include "platform/qt/kept_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVariant>
#include <functional>
#include <utility>

#include "platform/msgbox.h"
#include "platform/qt/event_gate.h"

namespace vb {

namespace {

bool putting_back = false;

// Keeps one control: what it held when last noted, and how to put it back.
// A change that its window may take is noted; any other is undone.
class Keeper : public QObject {
 public:
  Keeper(QWidget* control, std::function<QVariant()> read, std::function<void(const QVariant&)> write)
      : QObject(control), control_(control), read_(std::move(read)), write_(std::move(write)) {
    Note();
  }

  void Note() { kept_ = read_(); }

  void Changed() {
    if (putting_back) return;
    if (HandlerMayStart(control_->window())) {
      Note();
      return;
    }
    PutBack(control_, [this] { write_(kept_); });
  }

  // Undoes a change from outside the running handler; the control (and any
  // control it sets in turn, as an option sets the others of its group) is
  // quiet meanwhile.
  static void PutBack(QWidget* control, const std::function<void()>& undo) {
    const QSignalBlocker quiet(control);
    putting_back = true;
    undo();
    putting_back = false;
  }

 private:
  QWidget* control_;
  std::function<QVariant()> read_;
  std::function<void(const QVariant&)> write_;
  QVariant kept_;
};

// An option or check box tells by its signal what it held before, so it
// needs no note: whatever the program set with its signals blocked stays.
void KeepToggles(QAbstractButton* button) {
  QObject::connect(button, &QAbstractButton::toggled, button, [button](bool checked) {
    if (putting_back || HandlerMayStart(button->window())) return;
    Keeper::PutBack(button, [button, checked] { button->setChecked(!checked); });
  });
}

QVariantList SelectedRows(const QListWidget* list) {
  QVariantList rows;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) rows.append(row);
  }
  return rows;
}

// The text of a multi-line box as its document holds it, a no-break space
// included.
QString PlainText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QChar('\n'));
  text.replace(QChar::LineSeparator, QChar('\n'));
  return text;
}

// Starts keeping a control; returns its keeper, if it needs one.
Keeper* Keep(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    if (button->isCheckable()) KeepToggles(button);
  } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
    // An editable list's text is its box's.
    auto* keeper = new Keeper(
        box, [box] { return QVariant(box->text()); }, [box](const QVariant& text) { box->setText(text.toString()); });
    QObject::connect(box, &QLineEdit::textChanged, keeper, &Keeper::Changed);
    return keeper;
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
    auto* keeper = new Keeper(
        text, [text] { return QVariant(PlainText(text)); },
        [text](const QVariant& kept) { text->setPlainText(kept.toString()); });
    QObject::connect(text, &QPlainTextEdit::textChanged, keeper, &Keeper::Changed);
    return keeper;
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    if (list->isEditable()) return nullptr;
    auto* keeper = new Keeper(
        list, [list] { return QVariant(list->currentIndex()); },
        [list](const QVariant& index) { list->setCurrentIndex(index.toInt()); });
    QObject::connect(list, &QComboBox::currentIndexChanged, keeper, &Keeper::Changed);
    return keeper;
  } else if (auto* rows = qobject_cast<QListWidget*>(control)) {
    auto* keeper = new Keeper(
        rows, [rows] { return QVariant(SelectedRows(rows)); },
        [rows](const QVariant& kept) {
          rows->clearSelection();
          for (const QVariant& row : kept.toList()) {
            if (QListWidgetItem* item = rows->item(row.toInt())) item->setSelected(true);
          }
        });
    QObject::connect(rows, &QListWidget::itemSelectionChanged, keeper, &Keeper::Changed);
    return keeper;
  }
  return nullptr;
}

// The property that marks a control as kept; it holds its keeper, if any.
const char kKept[] = "vbKeeper";

// Every box notes the controls behind it as it opens, whoever opens it.
void NoteAsBoxesOpen() { SetBoxOpeningNoter(NoteControls); }

Q_COREAPP_STARTUP_FUNCTION(NoteAsBoxesOpen)

}  // namespace

void NoteControls() {
  for (QWidget* control : QApplication::allWidgets()) {
    // A file dialog of Qt's own changes its controls itself.
    if (qobject_cast<QFileDialog*>(control->window()) != nullptr) continue;
    const QVariant kept = control->property(kKept);
    if (!kept.isValid()) {
      control->setProperty(kKept, QVariant::fromValue<QObject*>(Keep(control)));
    } else if (QObject* keeper = kept.value<QObject*>()) {
      static_cast<Keeper*>(keeper)->Note();
    }
  }
}

}  // namespace vb
