#include "tasks/submit_rules.h"

#include "platform/text.h"

namespace tasks {

namespace {

bool Filled(std::string_view text) { return !vb::Trim(text).empty(); }

bool Chosen(std::string_view list_text) {
  return Filled(list_text) && vb::UCase(vb::Trim(list_text)) != vb::UCase(kSelectOne);
}

}  // namespace

bool SubmitAllowed(std::string_view subject, std::string_view description, std::string_view name,
                   std::string_view site, std::string_view category) {
  return Filled(subject) && Filled(description) && Filled(name) && Chosen(site) && Chosen(category);
}

bool HasBadLanguage(std::string_view subject, std::string_view description, std::string_view name) {
  for (std::string_view word : kBadLanguageWords) {
    for (std::string_view box : {subject, description, name}) {
      if (vb::LCase(box).find(word) != std::string::npos) return true;
    }
  }
  return false;
}

}  // namespace tasks
