#include "builder/pages/year_list.h"

#include "builder/core/naming.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace builder {

namespace {

class ListInput {
 public:
  explicit ListInput(std::string_view text) : text_(text) {}

  bool Eof() const { return pos_ >= text_.size(); }

  std::string Value() {
    if (Eof()) vb::Raise(62, "input past end of the year list");
    while (!Eof() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    std::string value;
    if (!Eof() && text_[pos_] == '"') {
      const size_t close = text_.find('"', pos_ + 1);
      const size_t end = close == std::string_view::npos ? text_.size() : close;
      value = std::string(text_.substr(pos_ + 1, end - pos_ - 1));
      pos_ = close == std::string_view::npos ? text_.size() : close + 1;
      while (!Eof() && !AtDelimiter()) ++pos_;
    } else {
      const size_t start = pos_;
      while (!Eof() && !AtDelimiter()) ++pos_;
      value = std::string(text_.substr(start, pos_ - start));
    }
    SkipDelimiter();
    return value;
  }

 private:
  bool AtDelimiter() const {
    const char c = text_[pos_];
    return c == ',' || c == '\r' || c == '\n';
  }

  void SkipDelimiter() {
    if (Eof()) return;
    if (text_[pos_] == ',') {
      ++pos_;
    } else if (text_[pos_] == '\r') {
      ++pos_;
      if (!Eof() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
      ++pos_;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<LevelRow> ReadYearList(std::string_view text) {
  std::vector<LevelRow> rows;
  ListInput input(text);
  while (!input.Eof()) {
    if (static_cast<int>(rows.size()) == kMaxLevelRows) {
      vb::Raise(9, "more than 500 rows in a year list");
    }
    LevelRow row;
    row.Surname = input.Value();
    row.PreferredName = input.Value();
    row.RollClass = input.Value();
    rows.push_back(std::move(row));
  }
  for (LevelRow& row : rows) {
    row.Surname = vb::Trim(row.Surname);
    row.PreferredName = vb::Trim(row.PreferredName);
    row.RollClass = vb::Trim(row.RollClass);
  }
  return rows;
}

std::vector<LevelClass> CollectClasses(const std::vector<LevelRow>& rows, site::FolderNaming naming) {
  std::vector<LevelClass> classes;
  for (const LevelRow& row : rows) {
    bool known = false;
    for (const LevelClass& entry : classes) {
      if (entry.ClassName == row.RollClass) {
        known = true;
        break;
      }
    }
    if (known) continue;
    if (static_cast<int>(classes.size()) == kMaxLevelClasses) {
      vb::Raise(9, "more than 100 classes in a year level");
    }
    classes.push_back(LevelClass{row.RollClass, ""});
  }
  FolderNameSet folders;
  for (size_t i = 0; i < classes.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    std::string folder = ClassFolderName(naming, index, classes[i].ClassName);
    if (folder.empty())
      folder = ClassFolderName(site::FolderNaming::Generic, index, classes[i].ClassName);
    classes[i].ClassFolderName = folders.Take(folder);
  }
  return classes;
}

}  // namespace builder
