#include "platform/qt/file_list_box.h"

#include <QMouseEvent>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

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
  const fs::path native = Resolve(path);
  std::error_code ec;
  if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
  std::vector<std::string> names;
  fs::directory_iterator it(native, ec);
  if (ec) RaiseErrno(ec.value(), FileOp::Query, native);
  for (fs::directory_iterator end; it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.empty() && name[0] != '.' && !it->is_directory(ec)) names.push_back(Utf8To1252(name));
  }
  if (ec) RaiseErrno(ec.value(), FileOp::Query, native);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return LCase(a) < LCase(b); });

  filling_ = true;
  clear();
  for (const std::string& name : names) addItem(ToQt(name));
  setCurrentRow(-1);
  filling_ = false;
  path_ = std::string(path);
}

std::string FileListBox::FileName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? std::string() : FromQt(selected.first()->text());
}

}  // namespace vb
