// The template intranet and the writing page: line ends and encoding, the
// pages the builder personalises, its markers, and that every link resolves.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shipped_files.h"

namespace fs = std::filesystem;
using namespace assets_test;

namespace {

const std::string kSchoolMarker = "Sample Public School";
const std::string kColourMarker = "#999966";

// The shipped path of a page named relative to the site root.
fs::path ShippedPage(const std::string& page) {
  return page == "writing.htm" ? ProgramDir() / page : TemplateRoot() / page;
}

std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

std::string FolderOf(const std::string& page) {
  size_t slash = page.rfind('/');
  return slash == std::string::npos ? "" : page.substr(0, slash);
}

bool IsOutsideLink(const std::string& link) {
  for (const char* scheme : {"http://", "https://", "mailto:", "javascript:"}) {
    if (link.rfind(scheme, 0) == 0) return true;
  }
  return false;
}

// What a built site holds beside the template: the shared images, the root's
// writing page, the Year Pages page of the year being built, and the pages
// that the news, task and calendar tools publish into their own areas.
std::set<std::string> BuiltSiteFiles() {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(TemplateRoot())) {
    if (entry.is_regular_file()) {
      files.insert(entry.path().lexically_relative(TemplateRoot()).generic_string());
    }
  }
  for (const auto& name : SiteImageList()) files.insert("ovimages/" + name);
  files.insert("writing.htm");
  files.insert("2009/index.htm");
  for (const char* area : {"news/", "staff/bulletin/"}) files.insert(std::string(area) + "ovnews.htm");
  files.insert("staff/ovjobline/ovtask.htm");
  for (const char* area : {"calendar/", "staff/calendar/"}) {
    for (int term = 1; term <= 4; ++term) {
      files.insert(std::string(area) + "term" + std::to_string(term) + "cal.htm");
    }
  }
  return files;
}

void ExpectLinksResolve(const std::string& name, const std::string& page,
                        const std::string& folder, const std::set<std::string>& files) {
  for (const auto& link : LinksOf(page)) {
    SCOPED_TRACE(name + ": " + link);
    ASSERT_FALSE(link.empty());
    if (IsOutsideLink(link)) continue;
    if (link[0] == '#') {
      EXPECT_NE(page.find("name=\"" + link.substr(1) + "\""), std::string::npos);
      continue;
    }
    std::string target = ResolveLink(folder, link);
    ASSERT_FALSE(target.empty()) << "climbs above the site root";
    EXPECT_TRUE(files.count(target) == 1) << "resolves to " << target;
  }
}

}  // namespace

TEST(TemplateSiteTest, PagesAreWindows1252WithCrLfLineEnds) {
  std::vector<fs::path> files = {ProgramDir() / "writing.htm", ProgramDir() / "writing.doc"};
  for (const auto& page : TemplatePages()) files.push_back(TemplateRoot() / page);
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    std::string bytes = ReadBytes(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "byte-order mark";
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "last line without CR LF";
    for (size_t i = 0; i < bytes.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(bytes[i]);
      if (c == '\r') {
        ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
      }
      if (c == '\n') {
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
      }
      ASSERT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D && c != 0)
          << "not a windows-1252 character at " << i;
    }
    if (file.extension() == ".htm") {
      EXPECT_NE(bytes.find("charset=windows-1252"), std::string::npos);
      EXPECT_NE(bytes.find("<title>"), std::string::npos);
    }
  }
}

TEST(TemplateSiteTest, HoldsEveryPersonalisedPageBelowOrvaneOnly) {
  std::vector<std::string> top;
  for (const auto& entry : fs::directory_iterator(ProgramDir() / "ovintranet")) {
    top.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(top, std::vector<std::string>{"orvane"});
  EXPECT_TRUE(fs::is_directory(TemplateRoot()));

  ASSERT_EQ(SchoolNameFiles().size(), 28u);
  ASSERT_EQ(ColourFiles().size(), 42u);
  std::set<std::string> distinct(SchoolNameFiles().begin(), SchoolNameFiles().end());
  distinct.insert(ColourFiles().begin(), ColourFiles().end());
  EXPECT_EQ(distinct.size(), 42u);
  for (const auto& page : distinct) {
    EXPECT_TRUE(fs::is_regular_file(ShippedPage(page))) << page;
  }
  // The root's writing page comes from the program folder; a template copy
  // would overwrite it after the students' portfolio pages were made from it.
  EXPECT_FALSE(fs::exists(TemplateRoot() / "writing.htm"));
}

TEST(TemplateSiteTest, MarkersStandWhereThePersonalisationLooksForThem) {
  const auto& names = SchoolNameFiles();
  const auto& colours = ColourFiles();
  std::vector<std::string> pages = TemplatePages();
  pages.push_back("writing.htm");
  for (const auto& page : pages) {
    SCOPED_TRACE(page);
    std::string bytes = ReadBytes(ShippedPage(page));
    // A marker is replaced once per line: a second one on a line would stay.
    for (const auto& line : LinesOf(bytes)) {
      EXPECT_LE(Count(line, kSchoolMarker), 1u) << line;
      EXPECT_LE(Count(line, kColourMarker), 1u) << line;
    }
    // A page outside a pass must not carry its marker, which would never change.
    EXPECT_EQ(Contains(names, page), Count(bytes, kSchoolMarker) > 0);
    EXPECT_EQ(Contains(colours, page), Count(bytes, kColourMarker) > 0);
    EXPECT_EQ(page == "index.htm", Count(bytes, "2009/") > 0);
    EXPECT_EQ(page == "school/library/index.htm", Count(bytes, "999911") > 0);
  }
  std::string home = ReadBytes(TemplateRoot() / "index.htm");
  EXPECT_NE(home.find("href=\"2009/index.htm\""), std::string::npos);
}

TEST(TemplateSiteTest, HomePageLinksTheYearPagesAndEveryArea) {
  std::vector<std::string> links = LinksOf(ReadBytes(TemplateRoot() / "index.htm"));
  for (const char* target : {"2009/index.htm", "school/index.htm", "staff/index.htm",
                             "news/index.htm", "calendar/index.htm", "photos/index.htm",
                             "links/index.htm", "groups/index.htm"}) {
    EXPECT_TRUE(Contains(links, target)) << target;
  }
}

TEST(TemplateSiteTest, EveryLinkAndImageResolvesInTheBuiltSite) {
  std::set<std::string> files = BuiltSiteFiles();
  for (const auto& page : TemplatePages()) {
    ExpectLinksResolve(page, ReadBytes(TemplateRoot() / page), FolderOf(page), files);
  }
}

TEST(TemplateSiteTest, WritingPageWorksAsTopic12OfAStudent) {
  // writing.htm is copied over topic12.htm in every student folder, four
  // folders below the site root, beside the folder "writing".
  const std::string student = "2009/year3/3t/obrien_siobhan";
  std::set<std::string> files = {student + "/index.htm", student + "/topic12.htm",
                                 "2009/year3/3t/index.htm", "2009/year3/index.htm",
                                 "2009/index.htm", "index.htm"};
  for (const auto& name : SiteImageList()) files.insert("ovimages/" + name);
  for (int n = 1; n <= 6; ++n) {
    files.insert(student + "/writing/writing" + std::to_string(n) + ".doc");
  }
  std::string page = ReadBytes(ProgramDir() / "writing.htm");
  ExpectLinksResolve("writing.htm", page, student, files);

  std::vector<std::string> links = LinksOf(page);
  for (int n = 1; n <= 6; ++n) {
    EXPECT_TRUE(Contains(links, "writing/writing" + std::to_string(n) + ".doc")) << n;
  }
  for (const auto& link : links) {
    if (link.find("ovimages/") != std::string::npos) {
      EXPECT_EQ(link.rfind("../../../../ovimages/", 0), 0u) << link;
    }
  }
}

TEST(TemplateSiteTest, WritingDocumentIsRichText) {
  std::string bytes = ReadBytes(ProgramDir() / "writing.doc");
  EXPECT_EQ(bytes.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_EQ(Count(bytes, "{"), Count(bytes, "}")) << "unbalanced groups";
}
