// The light-hearted lines the progress window shows, one per class begun:
// quip n for the n-th class of the build, and the 50th from then on.
#pragma once

#include <string>

namespace builder {

// The quip of the next class begun in this run of the program.
const std::string& NextProgressQuip();

// Starts the count again at the first quip (for a new build).
void ResetProgressQuips();

}  // namespace builder
