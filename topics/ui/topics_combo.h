// A drop-down list with editable text as the topics window uses it: sorted
// lists sort without regard to case, and ListIndex is -1 once the user types.
#pragma once

#include <QComboBox>
#include <functional>
#include <string>

namespace topics {

class TopicsCombo : public QComboBox {
 public:
  // `sorted` inserts every item at its alphabetical place; otherwise items
  // keep the order in which they were added.
  TopicsCombo(bool sorted, QWidget* parent = nullptr);

  // Adds an item; the text shown stays as it was.
  void AddItem(const std::string& text);
  std::string Text() const;
  void SetText(const std::string& text);
  // The 0-based position of the entry picked, -1 when the text was typed.
  int ListIndex() const { return list_index_; }

  // Change runs on every change of the text, typed or set; Click when the
  // user picks an entry.
  void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }
  void OnClick(std::function<void()> handler) { on_click_ = std::move(handler); }

 private:
  bool sorted_;
  int list_index_ = -1;
  std::function<void()> on_change_;
  std::function<void()> on_click_;
};

}  // namespace topics
