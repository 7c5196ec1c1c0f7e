// Message boxes through one service: the programs call MsgBox, the window
// layer installs the real boxes, and tests install a scripted answerer.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vb {

// Styles (added together) and answers, with their Windows values.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

struct MessageBoxRequest {
  std::string text;   // windows-1252
  int style;
  std::string title;  // windows-1252
};
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Shows a modal box and returns the button pressed.
int MsgBox(std::string_view text, int style = vbOKOnly, std::string_view title = {});

// True while a box is shown (by whatever handler is installed).
bool MessageBoxOpen();

// Runs `noter` as each box opens, before it shows: the window layer notes
// there what the windows behind the box hold.
void SetBoxOpeningNoter(std::function<void()> noter);

// Installs the handler; returns the one it replaces. Without a handler the
// box is written to standard error and answered OK (or Yes).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace vb
