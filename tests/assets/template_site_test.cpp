// The template intranet and the writing page: line ends and encoding, the
// pages the builder personalises, its markers, and that every link resolves.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "shipped_files.h"
#include "tests/support/page_text.h"
#include "tests/support/site_pages.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using namespace assets_test;
using testing_support::ReadFile;

namespace {

const std::string kSchoolMarker = "Sample Public School";
const std::string kColourMarker = "#999966";

// The shipped path of a page named relative to the site root.
fs::path ShippedPage(const std::string& page) {
  return page == "writing.htm" ? ProgramDir() / page : TemplateRoot() / page;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

TEST(TemplateSiteTest, PagesAreWindows1252WithCrLfLineEnds) {
  std::vector<fs::path> files = {ProgramDir() / "writing.htm", ProgramDir() / "writing.doc"};
  for (const auto& page : TemplatePages()) files.push_back(TemplateRoot() / page);
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    std::string bytes = ReadFile(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "byte-order mark";
    EXPECT_EQ(testing_support::LineEndFault(bytes), "");
    for (size_t i = 0; i < bytes.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(bytes[i]);
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
    std::string bytes = ReadFile(ShippedPage(page));
    // A marker is replaced once per line: a second one on a line would stay.
    for (const auto& line : testing_support::CrLfLines(bytes)) {
      EXPECT_LE(Count(line, kSchoolMarker), 1u) << line;
      EXPECT_LE(Count(line, kColourMarker), 1u) << line;
    }
    // A page outside a pass must not carry its marker, which would never change.
    EXPECT_EQ(Contains(names, page), Count(bytes, kSchoolMarker) > 0);
    EXPECT_EQ(Contains(colours, page), Count(bytes, kColourMarker) > 0);
    EXPECT_EQ(page == "index.htm", Count(bytes, "2009/") > 0);
    EXPECT_EQ(page == "school/library/index.htm", Count(bytes, "999911") > 0);
  }
  std::string home = ReadFile(TemplateRoot() / "index.htm");
  EXPECT_NE(home.find("href=\"2009/index.htm\""), std::string::npos);
}

TEST(TemplateSiteTest, HomePageLinksTheYearPagesAndEveryArea) {
  std::vector<std::string> links = LinksOf(ReadFile(TemplateRoot() / "index.htm"));
  for (const char* target : {"2009/index.htm", "school/index.htm", "staff/index.htm",
                             "news/index.htm", "calendar/index.htm", "photos/index.htm",
                             "links/index.htm", "groups/index.htm"}) {
    EXPECT_TRUE(Contains(links, target)) << target;
  }
}

// Where each link leads in a built site is the whole-build test's work; the
// anchors within a page and the writing page's own links are checked here.
TEST(TemplateSiteTest, AnchorsAndTheWritingPagesLinks) {
  for (const auto& page : TemplatePages()) {
    const std::string bytes = ReadFile(TemplateRoot() / page);
    for (const auto& link : LinksOf(bytes)) {
      if (link.rfind("#", 0) != 0) continue;
      EXPECT_NE(bytes.find("name=\"" + link.substr(1) + "\""), std::string::npos) << page << link;
    }
  }
  // writing.htm is copied over topic12.htm in every student folder, four
  // folders below the site root, beside the folder "writing".
  const std::vector<std::string> links = LinksOf(ReadFile(ProgramDir() / "writing.htm"));
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
  std::string bytes = ReadFile(ProgramDir() / "writing.doc");
  EXPECT_EQ(bytes.rfind("{\\rtf1\\ansi", 0), 0u);
  EXPECT_EQ(Count(bytes, "{"), Count(bytes, "}")) << "unbalanced groups";
}
