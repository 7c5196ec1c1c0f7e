// A multi-line text box as the programs' windows have it: word-wrapped, no
// scroll bars, at most a given number of characters with a line break
// counting two (it is kept as CR LF).
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace vb {

class MultiLineTextBox : public QPlainTextEdit {
 public:
  explicit MultiLineTextBox(int max_length, QWidget* parent = nullptr);

  // The text as the programs keep it: windows-1252, line breaks CR LF.
  std::string Text() const;
  // Takes CR LF, a lone CR or a lone LF as a line break; the text set here is
  // not limited.
  void SetText(std::string_view text);

 protected:
  // What the user types, pastes or drops is cut to the room that is left.
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Characters the text would have without the selection, a break counting two.
  int LengthWithoutSelection() const;

  int max_length_;
};

}  // namespace vb
