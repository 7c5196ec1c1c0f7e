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

std::string FitFolderName(std::string_view name) {
  size_t bytes = 0;
  size_t kept = 0;
  for (; kept < name.size(); ++kept) {
    bytes += vb::Utf8From1252(name.substr(kept, 1)).size();
    if (bytes > kMaxFolderNameBytes) break;
  }
  return std::string(name.substr(0, kept));
}

std::string ClassFolderName(site::FolderNaming naming, int class_index, std::string_view class_name) {
  if (naming == site::FolderNaming::Generic) return "class" + std::to_string(class_index);
  return FitFolderName(SafeFolderName(class_name));
}

std::string StudentFolderName(site::FolderNaming naming, int position, std::string_view surname,
                              std::string_view preferred_name) {
  if (naming == site::FolderNaming::Generic) return "studnt" + std::to_string(position);
  return FitFolderName(SafeFolderName(surname) + "_" + SafeFolderName(preferred_name));
}

std::string FolderNameSet::Take(const std::string& name) {
  std::string given = name;
  for (int number = 2; !taken_.insert(vb::LCase(given)).second; ++number) {
    given = name + std::to_string(number);
  }
  return given;
}

}  // namespace builder
