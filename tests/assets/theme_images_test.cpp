// The theme folders' images and the main window's pictures: every name is
// there, each file is a real image of its kind, at the size the pages give it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "shipped_files.h"
#include "tests/support/temp_drives.h"

namespace fs = std::filesystem;
using namespace assets_test;
using testing_support::ReadFile;

namespace {

using Size = std::pair<int, int>;  // width, height

unsigned Byte(const std::string& bytes, size_t at) {
  return static_cast<unsigned char>(bytes.at(at));
}

// Width and height from a JPEG's start-of-frame segment; {0, 0} when none.
Size JpegSize(const std::string& bytes) {
  if (bytes.size() < 4 || Byte(bytes, 0) != 0xFF || Byte(bytes, 1) != 0xD8) return {0, 0};
  size_t at = 2;
  while (at + 9 < bytes.size()) {
    if (Byte(bytes, at) != 0xFF) return {0, 0};
    unsigned marker = Byte(bytes, at + 1);
    size_t length = (Byte(bytes, at + 2) << 8) | Byte(bytes, at + 3);
    bool start_of_frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                          marker != 0xC8 && marker != 0xCC;
    if (start_of_frame) {
      int height = static_cast<int>((Byte(bytes, at + 5) << 8) | Byte(bytes, at + 6));
      int width = static_cast<int>((Byte(bytes, at + 7) << 8) | Byte(bytes, at + 8));
      return {width, height};
    }
    at += 2 + length;
  }
  return {0, 0};
}

Size GifSize(const std::string& bytes) {
  if (bytes.size() < 10 || (bytes.rfind("GIF89a", 0) != 0 && bytes.rfind("GIF87a", 0) != 0)) {
    return {0, 0};
  }
  return {static_cast<int>(Byte(bytes, 6) | (Byte(bytes, 7) << 8)),
          static_cast<int>(Byte(bytes, 8) | (Byte(bytes, 9) << 8))};
}

Size PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.rfind("\x89PNG\r\n\x1A\n", 0) != 0) return {0, 0};
  auto big_endian = [&](size_t at) {
    return static_cast<int>((Byte(bytes, at) << 24) | (Byte(bytes, at + 1) << 16) |
                            (Byte(bytes, at + 2) << 8) | Byte(bytes, at + 3));
  };
  return {big_endian(16), big_endian(20)};
}

Size ExpectedSize(const std::string& name) {
  if (name == "but-clik.jpg") return {60, 60};
  if (name == "owl.gif") return {179, 191};
  return {127, 25};
}

}  // namespace

TEST(ThemeImagesTest, EveryThemeHoldsTheFortyImagesAndTheLaterYearButtonsAtTheirPageSizes) {
  ASSERT_EQ(SiteImageList().size(), 40u);
  std::vector<std::string> names = SiteImageList();
  for (int year = 2013; year <= 2099; ++year) names.push_back("but-" + std::to_string(year) + ".jpg");
  for (const char* theme : {"fire", "metal", "mop", "night"}) {
    fs::path folder = ProgramDir() / theme;
    for (const auto& name : names) {
      SCOPED_TRACE(std::string(theme) + "/" + name);
      std::string bytes = ReadFile(folder / name);
      ASSERT_FALSE(bytes.empty()) << "missing";
      Size size = fs::path(name).extension() == ".gif" ? GifSize(bytes) : JpegSize(bytes);
      EXPECT_EQ(size, ExpectedSize(name));
    }
    // Names are exact and lower case: no stray or differently spelt image.
    for (const auto& entry : fs::directory_iterator(folder)) {
      std::string name = entry.path().filename().string();
      std::string extension = entry.path().extension().string();
      if (extension != ".jpg" && extension != ".gif") continue;
      EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << theme << "/" << name;
    }
  }
}

TEST(ThemeImagesTest, ThemesDifferFromEachOther) {
  std::string fire = ReadFile(ProgramDir() / "fire" / "but-home.jpg");
  for (const char* theme : {"metal", "mop", "night"}) {
    EXPECT_NE(ReadFile(ProgramDir() / theme / "but-home.jpg"), fire) << theme;
  }
}

TEST(ThemeImagesTest, MainWindowPictures) {
  EXPECT_EQ(PngSize(ReadFile(AssetsDir() / "ui" / "logo.png")), Size(248, 60));
  EXPECT_EQ(PngSize(ReadFile(AssetsDir() / "ui" / "preview.png")), Size(24, 24));
}

TEST(ThemeImagesTest, ProgramFolderShipsNoTextFile) {
  // Exit and the end of a build delete every ".txt" file of the program folder.
  for (const auto& entry : fs::recursive_directory_iterator(ProgramDir())) {
    EXPECT_NE(entry.path().extension(), ".txt") << entry.path();
  }
}
