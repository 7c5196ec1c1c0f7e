#include "shipped_files.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace assets_test {

fs::path AssetsDir() { return fs::path(ORVANE_ASSETS_DIR); }
fs::path ProgramDir() { return AssetsDir() / "program"; }
fs::path TemplateRoot() { return ProgramDir() / "ovintranet" / "orvane"; }

const std::vector<std::string>& SchoolNameFiles() {
  static const std::vector<std::string> pages = {
      "index.htm",
      "school/index.htm",
      "school/history/index.htm",
      "school/rules/index.htm",
      "school/policies/index.htm",
      "school/library/index.htm",
      "school/sport/index.htm",
      "school/canteen/index.htm",
      "calendar/calhead.htm",
      "news/newshead.htm",
      "staff/index.htm",
      "staff/memos/index.htm",
      "staff/bulletin/newshead.htm",
      "staff/calendar/calhead.htm",
      "staff/playduty/index.htm",
      "staff/continuum/index.htm",
      "staff/links/index.htm",
      "photos/index.htm",
      "links/index.htm",
      "writing.htm",
      "groups/index.htm",
      "groups/src/index.htm",
      "groups/debating/index.htm",
      "groups/schoolband/index.htm",
      "groups/schoolchoir/index.htm",
      "groups/chess/index.htm",
      "groups/drama/index.htm",
      "staff/ovjobline/taskhead.htm",
  };
  return pages;
}

const std::vector<std::string>& ColourFiles() {
  static const std::vector<std::string> pages = [] {
    std::vector<std::string> list(SchoolNameFiles().begin(), SchoolNameFiles().begin() + 20);
    for (int n = 1; n <= 9; ++n) list.push_back("photos/gallery" + std::to_string(n) + "/index.htm");
    for (const char* page : {"staff/bulletin/newsfoot.htm", "staff/calendar/calfoot.htm",
                             "calendar/calfoot.htm", "news/newsfoot.htm", "groups/index.htm",
                             "groups/src/index.htm", "groups/debating/index.htm",
                             "groups/schoolband/index.htm", "groups/schoolchoir/index.htm",
                             "groups/chess/index.htm", "groups/drama/index.htm",
                             "staff/ovjobline/taskhead.htm", "staff/ovjobline/taskfoot.htm"}) {
      list.push_back(page);
    }
    return list;
  }();
  return pages;
}

std::vector<std::string> TemplatePages() {
  std::vector<std::string> pages;
  for (const auto& entry : fs::recursive_directory_iterator(TemplateRoot())) {
    if (entry.is_regular_file() && entry.path().extension() == ".htm") {
      pages.push_back(entry.path().lexically_relative(TemplateRoot()).generic_string());
    }
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

const std::vector<std::string>& SiteImageList() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list = {"but-yrpg.jpg", "but-help.jpg", "but-int.jpg",
                                     "but-groups.jpg"};
    for (int year = 2002; year <= 2012; ++year) list.push_back("but-" + std::to_string(year) + ".jpg");
    for (const char* name :
         {"but-cant.jpg", "but-home.jpg", "but-clpg.jpg", "but-coun.jpg", "but-info.jpg",
          "but-p&c.jpg", "but-prin.jpg", "but-src.jpg", "but-cntc.jpg", "but-fclt.jpg",
          "but-lbry.jpg", "but-newl.jpg", "but-phto.jpg", "but-scpg.jpg", "but-staf.jpg",
          "but-comm.jpg", "but-clnd.jpg", "but-link.jpg", "but-news.jpg", "but-plcy.jpg",
          "but-sprt.jpg", "but-stpg.jpg", "but-mypg.jpg", "but-clik.jpg", "owl.gif"}) {
      list.push_back(name);
    }
    return list;
  }();
  return names;
}

std::vector<std::string> LinksOf(const std::string& page) {
  std::string lower = page;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::vector<std::string> links;
  for (const std::string attribute : {" href=\"", " src=\""}) {
    for (size_t at = lower.find(attribute); at != std::string::npos;
         at = lower.find(attribute, at + 1)) {
      size_t start = at + attribute.size();
      size_t end = page.find('"', start);
      if (end == std::string::npos) break;
      links.push_back(page.substr(start, end - start));
    }
  }
  return links;
}

}  // namespace assets_test
