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

}  // namespace

int MsgBox(std::string_view text, int style, std::string_view title) {
  MessageBoxRequest request{std::string(text), style, std::string(title)};
  if (Handler()) return Handler()(request);
  std::fprintf(stderr, "[%s] %s\n", Utf8From1252(title).c_str(), Utf8From1252(text).c_str());
  return (style & 7) == vbYesNo ? vbYes : vbOK;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace vb
