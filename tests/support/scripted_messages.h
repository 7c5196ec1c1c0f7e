// Answers message boxes in tests without a modal loop, and records them.
#pragma once

#include <deque>
#include <vector>

#include "platform/msgbox.h"

namespace testing_support {

class ScriptedMessages {
 public:
  ScriptedMessages();   // installs itself
  ~ScriptedMessages();  // puts the previous handler back

  // Answers for the next Yes/No boxes, in order; when none is left, Yes.
  void Answer(int answer) { answers_.push_back(answer); }
  const std::vector<vb::MessageBoxRequest>& shown() const { return shown_; }
  void clear() { shown_.clear(); }

 private:
  std::deque<int> answers_;
  std::vector<vb::MessageBoxRequest> shown_;
  vb::MessageBoxHandler previous_;
};

}  // namespace testing_support
