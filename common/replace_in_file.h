// Personalising a shipped page: on every line, the first occurrence of a
// marker text is replaced, and the page is rewritten with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

namespace common {

// Rewrites `folder` + `file_name` (folder ends with "\") through a temporary
// file in the same folder, which then replaces the page, keeping its mode
// and group. On each line the first occurrence of `marker` (case-sensitive)
// gives way to `text`, taking out `marker_length` characters. Lines end at
// CR LF or CR; a lone LF stays in the line. Raises the file errors (53
// missing page, 76 missing folder...).
void ReplaceInFile(const std::string& folder, const std::string& file_name,
                   const std::string& marker, const std::string& text, int marker_length);

// The bytes that ReplaceInFile makes of a page's `bytes`.
std::string ReplaceInText(std::string_view bytes, const std::string& marker,
                          const std::string& text, int marker_length);

}  // namespace common
