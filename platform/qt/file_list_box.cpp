#include "platform/qt/file_list_box.h"

#include <QMouseEvent>
#include <vector>

#include "platform/files.h"
#include "platform/qt/qt_text.h"

namespace vb {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A file is highlighted when it is selected; the focus alone only marks one.
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (filling_ || selectedItems().isEmpty()) return;
    changed_by_press_ = true;
    Fire();
  });
  connect(this, &QListWidget::itemClicked, this, [this] {
    if (!changed_by_press_) Fire();
  });
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
  changed_by_press_ = false;
  QListWidget::mousePressEvent(event);
}

void FileListBox::Fire() {
  if (on_click_) on_click_();
}

void FileListBox::SetPath(std::string_view path) {
  const std::vector<FolderEntry> entries = ListFolder(path);
  filling_ = true;
  clear();
  for (const FolderEntry& entry : entries) {
    if (!entry.is_folder) addItem(ToQt(entry.name));
  }
  setCurrentRow(-1);
  filling_ = false;
  path_ = std::string(path);
}

std::string FileListBox::FileName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? std::string() : FromQt(selected.first()->text());
}

}  // namespace vb
