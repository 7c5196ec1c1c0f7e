// How the site's class and student folders are named.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "site/build_settings.h"

namespace builder {

// The text in lower case without blanks, "/", "\" and "."; characters no
// Windows file name may hold (: * ? " < > | and control characters) are
// dropped too, so that the site can move to a Windows server.
std::string SafeFolderName(std::string_view text);

// The longest folder name made from the export's names, in bytes on disk.
inline constexpr size_t kMaxFolderNameBytes = 200;

// The name cut to at most kMaxFolderNameBytes bytes on disk (where each
// windows-1252 character takes its UTF-8 length), never inside a character.
std::string FitFolderName(std::string_view name);

// class_index is 1-based, in order of first appearance in the year list.
std::string ClassFolderName(site::FolderNaming naming, int class_index, std::string_view class_name);

// position is the student's 1-based row within the class.
std::string StudentFolderName(site::FolderNaming naming, int position, std::string_view surname,
                              std::string_view preferred_name);

// The folder names handed out in one folder during a build, so that no two
// classes or students share a folder: a name handed out already (in any case)
// comes back with "2" appended, or "3", and on.
class FolderNameSet {
 public:
  std::string Take(const std::string& name);

 private:
  std::set<std::string> taken_;  // in lower case
};

}  // namespace builder
