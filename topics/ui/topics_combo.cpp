#include "topics/ui/topics_combo.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/qt/qt_text.h"
#include "platform/text.h"

namespace topics {

TopicsCombo::TopicsCombo(bool sorted, QWidget* parent) : QComboBox(parent), sorted_(sorted) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(12);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { list_index_ = -1; });
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (on_change_) on_change_();
  });
  connect(this, &QComboBox::activated, this, [this](int index) {
    list_index_ = index;
    if (on_click_) on_click_();
  });
}

void TopicsCombo::AddItem(const std::string& text) {
  int at = count();
  if (sorted_) {
    const std::string key = vb::LCase(text);
    for (int i = 0; i < count(); ++i) {
      if (vb::LCase(vb::FromQt(itemText(i))) > key) {
        at = i;
        break;
      }
    }
  }
  const QSignalBlocker blocker(this);
  const QString shown = currentText();
  insertItem(at, vb::ToQt(text));
  setCurrentIndex(-1);
  setEditText(shown);
}

std::string TopicsCombo::Text() const { return vb::FromQt(currentText()); }

void TopicsCombo::SetText(const std::string& text) { setEditText(vb::ToQt(text)); }

}  // namespace topics
