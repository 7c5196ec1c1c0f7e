#include "platform/qt/multi_line_text_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/qt_text.h"

namespace vb {

namespace {

int StoredLength(const QString& text) { return static_cast<int>(text.size() + text.count(QChar('\n'))); }

// The document's text with its line breaks as "\n"; unlike toPlainText() it
// keeps a no-break space, which windows-1252 holds as a byte of its own.
QString TextOf(const QTextDocument& document) {
  QString text = document.toRawText();
  text.replace(QChar::ParagraphSeparator, QChar('\n'));
  text.replace(QChar::LineSeparator, QChar('\n'));
  return text;
}

// The longest start of `text` that fits `room`.
QString Fitted(QString text, int room) {
  while (!text.isEmpty() && StoredLength(text) > room) text.chop(1);
  return text;
}

}  // namespace

MultiLineTextBox::MultiLineTextBox(int max_length, QWidget* parent)
    : QPlainTextEdit(parent), max_length_(max_length) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

std::string MultiLineTextBox::Text() const {
  std::string text;
  for (char c : FromQt(TextOf(*document()))) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

void MultiLineTextBox::SetText(std::string_view text) {
  QString plain = ToQt(text);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QChar('\r'), QChar('\n'));
  setPlainText(plain);
}

int MultiLineTextBox::LengthWithoutSelection() const {
  return StoredLength(TextOf(*document())) - StoredLength(textCursor().selectedText().replace(QChar(0x2029), '\n'));
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* event) {
  const bool line_break = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QString typed = line_break ? QStringLiteral("\n") : event->text();
  const bool inserts = line_break || (!typed.isEmpty() && typed.at(0).isPrint());
  if (inserts && LengthWithoutSelection() + StoredLength(typed) > max_length_) return;
  QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  QString text = source->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  textCursor().insertText(Fitted(text, max_length_ - LengthWithoutSelection()));
}

}  // namespace vb
