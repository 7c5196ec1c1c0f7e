#include "platform/msgbox.h"

#include <cstdio>
#include <utility>

#include "platform/text.h"

namespace vb {

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

std::function<void()>& Noter() {
  static std::function<void()> noter;
  return noter;
}

int boxes_open = 0;

// Counts a box as open for as long as it lives, however the box ends.
class OpenBox {
 public:
  OpenBox() { ++boxes_open; }
  ~OpenBox() { --boxes_open; }
  OpenBox(const OpenBox&) = delete;
  OpenBox& operator=(const OpenBox&) = delete;
};

}  // namespace

int MsgBox(std::string_view text, int style, std::string_view title) {
  MessageBoxRequest request{std::string(text), style, std::string(title)};
  if (Noter()) Noter()();
  OpenBox open;
  if (Handler()) return Handler()(request);
  std::fprintf(stderr, "[%s] %s\n", Utf8From1252(title).c_str(), Utf8From1252(text).c_str());
  return (style & 7) == vbYesNo ? vbYes : vbOK;
}

bool MessageBoxOpen() { return boxes_open > 0; }

void SetBoxOpeningNoter(std::function<void()> noter) { Noter() = std::move(noter); }

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace vb
