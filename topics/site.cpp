#include "topics/site.h"

#include <cstdlib>

namespace topics {

char TopicsSite::Separator() const {
  return !site_root.empty() && site_root.back() == '/' ? '/' : '\\';
}

std::string TopicsSite::YearText() const { return std::to_string(std::abs(settings.site_year)); }

std::string TopicsSite::YearFolder() const { return site_root + YearText() + Separator(); }

std::string SiteRootOf(const std::string& program_folder) {
  if (!program_folder.empty() && (program_folder.back() == '\\' || program_folder.back() == '/')) {
    return program_folder;
  }
  return program_folder + "\\";
}

}  // namespace topics
