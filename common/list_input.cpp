#include "common/list_input.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace common {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

bool HasNonAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace

ListInput::ListInput(std::string bytes, bool skip_blank_lines)
    : data_(std::move(bytes)), skip_blank_lines_(skip_blank_lines) {}

ListInput ListInput::FromFile(std::string_view path, bool skip_blank_lines) {
  return ListInput(vb::ReadFileBytes(path), skip_blank_lines);
}

void ListInput::SkipLineEnd() {
  if (pos_ < data_.size() && data_[pos_] == '\r') {
    ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  } else if (pos_ < data_.size() && data_[pos_] == '\n') {
    ++pos_;
  }
  at_line_start_ = true;
}

void ListInput::SkipBlankLines() {
  if (!skip_blank_lines_ || !at_line_start_) return;
  for (;;) {
    size_t end = pos_;
    while (end < data_.size() && data_[end] == ' ') ++end;
    if (end < data_.size() && !IsLineEnd(data_[end])) return;
    pos_ = end;
    if (pos_ >= data_.size()) return;
    SkipLineEnd();
  }
}

bool ListInput::Eof() {
  SkipBlankLines();
  return pos_ >= data_.size();
}

std::string ListInput::NextValue() {
  if (Eof()) vb::Raise(62, "input past end of file");
  while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
  at_line_start_ = false;
  std::string value;
  if (pos_ < data_.size() && data_[pos_] == '"') {
    const size_t close = data_.find('"', pos_ + 1);
    const size_t end = close == std::string::npos ? data_.size() : close;
    value = data_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = close == std::string::npos ? data_.size() : close + 1;
    // Whatever stands between the closing quote and the delimiter is dropped.
    while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
  } else {
    const size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
    value = vb::RTrim(std::string_view(data_).substr(start, pos_ - start));
  }
  if (pos_ < data_.size()) {
    if (data_[pos_] == ',') ++pos_;
    else SkipLineEnd();
  }
  return value;
}

std::string FileText1252(std::string bytes) {
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    return vb::Utf8To1252(std::string_view(bytes).substr(3));
  }
  if (HasNonAscii(bytes) && vb::IsValidUtf8(bytes)) return vb::Utf8To1252(bytes);
  return bytes;
}

}  // namespace common
