// The greeting at the top of a student's home page in both layouts: the
// student's name, links to the three work folders and a photo to replace.
#pragma once

#include <string>

#include "site/page_frame.h"

namespace site {

// `name` as the page shows it; `photo` the picture's source as written in the page.
void StudentGreeting(PageFrameWriter& page, const std::string& name, const std::string& photo);

}  // namespace site
