// Pages and lists as the system writes them, for comparing: CR LF lines
// made from plain text, and split again.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// The lines, each ended by CR LF.
std::string CrLf(const std::vector<std::string>& lines);
// The text with each "\n" written as CR LF.
std::string CrLfFromLf(const std::string& text);
// The lines of CR LF text, without their ends; a last line without one counts.
std::vector<std::string> CrLfLines(const std::string& bytes);

}  // namespace testing_support
