#include "builder/core/naming.h"

#include "platform/text.h"

namespace builder {

std::string SafeFolderName(std::string_view text) {
  std::string out;
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 32 || b == 127) continue;
    switch (c) {
      case ' ': case '/': case '\\': case '.':
      case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        continue;
      default:
        out += vb::LCaseChar(c);
    }
  }
  return out;
}

std::string ClassFolderName(FolderNaming naming, int class_index, std::string_view class_name) {
  if (naming == FolderNaming::Generic) return "class" + std::to_string(class_index);
  return SafeFolderName(class_name);
}

std::string StudentFolderName(FolderNaming naming, int position, std::string_view surname,
                              std::string_view preferred_name) {
  if (naming == FolderNaming::Generic) return "studnt" + std::to_string(position);
  return SafeFolderName(surname) + "_" + SafeFolderName(preferred_name);
}

}  // namespace builder
