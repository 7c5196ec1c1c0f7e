#include "tasks/ui/task_widgets.h"

#include <QPixmap>
#include <QSignalBlocker>

#include "platform/qt/qt_text.h"
#include "platform/qt/text_heights.h"

namespace tasks {

QComboBox* ListCombo(const char* name, std::function<void()> on_click, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  QObject::connect(combo, &QComboBox::activated, combo, [on_click = std::move(on_click)] { on_click(); });
  return combo;
}

void AddListEntries(QComboBox* combo, const std::vector<std::string>& entries) {
  const QSignalBlocker blocker(combo);
  const QString shown = combo->currentText();
  for (const std::string& entry : entries) combo->addItem(vb::ToQt(entry));
  combo->setCurrentIndex(-1);
  combo->setEditText(shown);
}

std::string ListText(const QComboBox* combo) { return vb::FromQt(combo->currentText()); }

void SetListText(QComboBox* combo, const std::string& text1252) {
  combo->setCurrentIndex(-1);
  combo->setEditText(vb::ToQt(text1252));
  vb::FitListText(combo);
}

QLabel* Logo(QWidget* parent) {
  auto* logo = Named(new QLabel(parent), "Picture1");
  logo->setPixmap(QPixmap(":/ui/logo.png"));
  return logo;
}

}  // namespace tasks
