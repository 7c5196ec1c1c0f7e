#include "topics/site.h"

#include <cstdlib>

#include "platform/text.h"

namespace topics {

char TopicsSite::Separator() const {
  return !site_root.empty() && site_root.back() == '/' ? '/' : '\\';
}

std::string TopicsSite::YearText() const { return std::to_string(std::abs(settings.site_year)); }

std::string TopicsSite::YearFolder() const { return site_root + YearText() + Separator(); }

bool IsCustomGroupName(const std::string& name) {
  const std::string upper = vb::UCase(name);
  return upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".CSV") == 0;
}

std::string SiteRootOf(const std::string& program_folder) {
  if (!program_folder.empty() && (program_folder.back() == '\\' || program_folder.back() == '/')) {
    return program_folder;
  }
  return program_folder + "\\";
}

}  // namespace topics
