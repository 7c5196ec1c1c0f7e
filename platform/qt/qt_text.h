// The one boundary between the programs' windows-1252 text and Qt's QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vb {

QString ToQt(std::string_view text1252);
// Characters windows-1252 cannot hold become "?".
std::string FromQt(const QString& text);

}  // namespace vb
