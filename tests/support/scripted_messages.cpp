#include "tests/support/scripted_messages.h"

namespace testing_support {

ScriptedMessages::ScriptedMessages() {
  previous_ = vb::SetMessageBoxHandler([this](const vb::MessageBoxRequest& request) {
    shown_.push_back(request);
    if ((request.style & 7) != vb::vbYesNo) return static_cast<int>(vb::vbOK);
    if (answers_.empty()) return static_cast<int>(vb::vbYes);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
}

ScriptedMessages::~ScriptedMessages() { vb::SetMessageBoxHandler(previous_); }

}  // namespace testing_support
