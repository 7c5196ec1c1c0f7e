// Small pieces both task windows are made of: named controls, the editable
// lists of sites and categories, and the logo.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <functional>
#include <string>
#include <vector>

namespace tasks {

// Names a control as the windows' code and tests know it.
template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// An editable drop-down list: `on_click` runs when the user picks an entry,
// not when text is typed; typed text is never added.
QComboBox* ListCombo(const char* name, std::function<void()> on_click, QWidget* parent);

// Adds the entries in order; the text shown stays as it was.
void AddListEntries(QComboBox* combo, const std::vector<std::string>& entries);

// The text shown by a list, and setting it without choosing an entry; the
// list widens to show it whole.
std::string ListText(const QComboBox* combo);
void SetListText(QComboBox* combo, const std::string& text1252);

// The suite's logo picture.
QLabel* Logo(QWidget* parent);

}  // namespace tasks
