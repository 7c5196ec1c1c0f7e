// The K-6 preview pages written into the theme folders of the built program
// folder: one per theme and font, in that theme's colours and that font, and
// every picture found beside the page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Theme {
  const char* folder;
  const char* colour1;
};
constexpr Theme kThemes[] = {
    {"fire", "#999966"}, {"metal", "#FFCC66"}, {"mop", "#008080"}, {"night", "#808080"}};

struct Font {
  char letter;
  const char* face;
};
constexpr Font kFonts[] = {{'v', "Verdana"}, {'a', "Arial"}, {'t', "Times New Roman"}};

fs::path ProgramDir() {
  const char* dir = std::getenv("ORVANE_TEST_PROGRAM_DIR");
  return dir == nullptr ? fs::path() : fs::path(dir);
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(PreviewPagesTest, OnePagePerThemeAndFontInItsLookWithItsPicturesBeside) {
  ASSERT_FALSE(ProgramDir().empty()) << "ORVANE_TEST_PROGRAM_DIR is not set";
  const std::regex reference(R"re((src|href)="([^"]*)")re");
  const std::regex image(R"re([^/\\]+\.(jpg|gif))re", std::regex::icase);
  for (const Theme& theme : kThemes) {
    for (const Font& font : kFonts) {
      const fs::path page = ProgramDir() / theme.folder / (std::string("index") + font.letter + ".htm");
      SCOPED_TRACE(page.string());
      const std::string bytes = ReadBytes(page);
      ASSERT_FALSE(bytes.empty()) << "missing";

      // A whole student home page of a new student, CR LF lines.
      EXPECT_NE(bytes.find("<title>Student's Home Page</title>\r\n"), std::string::npos);
      EXPECT_NE(bytes.find("<b>New Student</b>"), std::string::npos);
      EXPECT_EQ(Count(bytes, "\n"), Count(bytes, "\r\n"));
      EXPECT_EQ(bytes.substr(bytes.size() - 9), "</html>\r\n");
      EXPECT_EQ(Count(bytes, "href=\"topic"), 12);

      // Its theme's colour and its font, and no other theme's or font's.
      EXPECT_GE(Count(bytes, std::string("bgcolor=\"") + theme.colour1 + "\""), 4);
      for (const Theme& other : kThemes) {
        if (&other != &theme) {
          EXPECT_EQ(Count(bytes, other.colour1), 0) << other.folder;
        }
      }
      EXPECT_GE(Count(bytes, std::string("face=\"") + font.face + "\""), 12);
      EXPECT_EQ(Count(bytes, "face=\""), Count(bytes, std::string("face=\"") + font.face + "\""));

      // Eight buttons, twelve topic links and the photo, all from the page's own folder.
      int pictures = 0;
      for (std::sregex_iterator it(bytes.begin(), bytes.end(), reference), end; it != end; ++it) {
        const std::string target = (*it)[2];
        if (target.find('/') == std::string::npos && std::regex_match(target, image)) {
          ++pictures;
          EXPECT_TRUE(fs::is_regular_file(page.parent_path() / target)) << target;
        } else {
          EXPECT_EQ(target.find("ovimages"), std::string::npos) << target;
        }
      }
      EXPECT_EQ(pictures, 21);
    }
  }
}

}  // namespace
