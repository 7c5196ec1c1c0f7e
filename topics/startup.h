// Start-up of the topics tools: reads the settings and the student list,
// refreshes allstudents.csv and lists the custom groups, or says why not.
#pragma once

#include <optional>
#include <string>

#include "topics/site.h"
#include "topics/variant.h"

namespace topics {

// The message that ends the program instead of showing the window; always
// shown with the error icon and an OK button.
struct StartupRefusal {
  std::string text;
  std::string title;
};

// Fills `site` (its site_root set by the caller). Returns the refusal when
// the tool cannot run; `site` is then partly filled.
std::optional<StartupRefusal> StartTopics(Variant variant, TopicsSite& site);

}  // namespace topics
