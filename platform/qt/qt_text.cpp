#include "platform/qt/qt_text.h"

#include <QList>

#include "platform/text.h"

namespace vb {

QString ToQt(std::string_view text1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(text1252.size()));
  for (char c : text1252) {
    out.append(QChar(static_cast<char16_t>(CodePointFrom1252(static_cast<unsigned char>(c)))));
  }
  return out;
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (char32_t cp : text.toUcs4()) {
    const int byte = ByteFromCodePoint(cp);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

}  // namespace vb
