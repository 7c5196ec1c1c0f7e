#include "platform/qt/accessible_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QString>

namespace vb {

namespace {

// A combo box as Qt presents it to assistive tools (its list, and its text
// box when editable), except that its name is the one given to it. Qt's own
// presentation names it by its text on this platform.
class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  int childCount() const override { return Combo()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
    if (index != 1 || !Combo()->isEditable()) return nullptr;
    return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (Combo()->view() == child->object()) return 0;
    if (Combo()->isEditable() && Combo()->lineEdit() == child->object()) return 1;
    return -1;
  }
  // `x` and `y` are a point on the screen.
  QAccessibleInterface* childAt(int x, int y) const override {
    if (!Combo()->isEditable()) return nullptr;
    const QLineEdit* box = Combo()->lineEdit();
    return box->rect().contains(box->mapFromGlobal(QPoint(x, y))) ? child(1) : nullptr;
  }
  QAccessibleInterface* focusChild() const override { return Combo()->isEditable() ? child(1) : nullptr; }

  QString text(QAccessible::Text kind) const override {
    QString text;
    if (kind == QAccessible::Name) text = widget()->accessibleName();
    if (text.isEmpty() && (kind == QAccessible::Name || kind == QAccessible::Value)) {
      text = Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
    }
    return text.isEmpty() ? QAccessibleWidget::text(kind) : text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Combo()->view()->isVisible();
    state.editable = Combo()->isEditable();
    return state;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (Combo()->view()->isVisible()) {
      Combo()->hidePopup();
    } else {
      Combo()->showPopup();
    }
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MakeNamedComboBox(const QString&, QObject* object) {
  auto* combo = qobject_cast<QComboBox*>(object);
  return combo != nullptr ? new NamedComboBox(combo) : nullptr;
}

// Qt asks the factory installed last first, so once the application runs
// this one comes before Qt's own.
void PresentComboBoxesByName(QComboBox* combo) {
  static bool installed = false;
  if (!installed) {
    QAccessible::installFactory(MakeNamedComboBox);
    installed = true;
  }
  // A combo box an assistive tool met before it was named is met afresh.
  QAccessibleInterface* known = QAccessible::queryAccessibleInterface(combo);
  if (known != nullptr && dynamic_cast<NamedComboBox*>(known) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
  }
}

}  // namespace

void NameForScreenReaders(QWidget* control, const QString& name) {
  control->setAccessibleName(name);
  if (auto* combo = qobject_cast<QComboBox*>(control)) PresentComboBoxesByName(combo);
}

}  // namespace vb
