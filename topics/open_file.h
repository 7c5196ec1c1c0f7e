// Hands a file to the desktop's program for its type ("Open", normal window);
// the outcome is not examined.
#pragma once

#include <string>

namespace topics {

void OpenWithDesktop(const std::string& file);

}  // namespace topics
