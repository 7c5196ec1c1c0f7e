#include "platform/qt/folder_list_box.h"

#include <QKeyEvent>
#include <filesystem>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

constexpr int kPathRole = Qt::UserRole;

// The separator the path form uses.
char SeparatorOf(const std::string& path) { return !path.empty() && path[0] == '/' ? '/' : '\\'; }

std::string JoinName(const std::string& folder, const std::string& name) {
  const char sep = SeparatorOf(folder);
  return folder.back() == sep ? folder + name : folder + sep + name;
}

// The opened folder and each of its ancestors, root first.
std::vector<std::string> Ancestors(const std::string& path) {
  const char sep = SeparatorOf(path);
  const size_t root_length = sep == '/' ? 1 : 3;  // "/" or "D:\"
  std::vector<std::string> chain = {path.substr(0, root_length)};
  for (size_t i = root_length; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == sep) {
      if (i > root_length) chain.push_back(path.substr(0, i));
    }
  }
  return chain;
}

}  // namespace

std::string FolderPathText(const std::string& native_text) {
  std::error_code ec;
  const fs::path native = fs::weakly_canonical(fs::path(Utf8From1252(native_text)), ec);
  if (ec) return native_text;
  if (const char letter = DriveOfNative(native)) {
    const fs::path root = fs::weakly_canonical(*DriveFolder(letter), ec);
    std::string text = std::string(1, letter) + ":";
    for (const fs::path& name : native.lexically_relative(root)) {
      if (name != ".") text += "\\" + NativeToText(name);
    }
    return text.size() == 2 ? text + "\\" : text;
  }
  return NativeToText(native);
}

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemDoubleClicked, this, &FolderListBox::OpenItem);
}

void FolderListBox::SetPath(std::string_view path) {
  std::string wanted(path);
  if (wanted.size() == 2 && wanted[1] == ':') wanted += '\\';
  const fs::path native = Resolve(wanted);
  std::error_code ec;
  if (!fs::is_directory(native, ec)) Raise(76, native.string() + ": path not found");
  const std::string text = FolderPathText(NativeToText(native));

  clear();
  const std::vector<std::string> chain = Ancestors(text);
  for (size_t depth = 0; depth < chain.size(); ++depth) {
    const std::string& folder = chain[depth];
    const size_t last = folder.find_last_of("\\/");
    const std::string name = depth == 0 ? folder : folder.substr(last + 1);
    auto* item = new QListWidgetItem(QString(static_cast<int>(depth) * 2, ' ') + ToQt(name), this);
    item->setData(kPathRole, ToQt(folder));
  }
  setCurrentRow(static_cast<int>(chain.size()) - 1);
  try {
    for (const FolderEntry& entry : ListFolder(NativeToText(native))) {
      if (!entry.is_folder) continue;
      auto* item = new QListWidgetItem(QString(static_cast<int>(chain.size()) * 2, ' ') + ToQt(entry.name), this);
      item->setData(kPathRole, ToQt(JoinName(text, entry.name)));
    }
  } catch (const Error&) {
    // An unreadable folder shows no sub-folders; the file list reports it.
  }

  if (text == path_) return;
  path_ = text;
  if (on_change_) on_change_();
}

void FolderListBox::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem() != nullptr) {
    OpenItem(currentItem());
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FolderListBox::OpenItem(QListWidgetItem* item) {
  const std::string target = FromQt(item->data(kPathRole).toString());
  try {
    SetPath(target);
  } catch (const Error&) {
    // The folder went away since it was listed: show what is there now, or,
    // when the opened folder went too, leave the list as it is.
    try {
      SetPath(path_);
    } catch (const Error&) {
    }
  }
}

}  // namespace vb
