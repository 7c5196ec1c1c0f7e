#include "tests/topics/site_fixture.h"

#include "platform/paths.h"

namespace fs = std::filesystem;
using testing_support::WriteFile;

namespace topics_test {

SiteFixture::SiteFixture(const std::string& ini, const std::string& dat, bool subject_folders) {
  if (!ini.empty()) WriteFile(root() / "ovshrtct.ini", ini);
  WriteFile(root() / "ovshrtct.dat", dat);
  const char* students[][3] = {{"year3", "3b", "smith_anna"}, {"year3", "3b", "masterstudent"},
                               {"year3", "3c", "brown_tom"},  {"year3", "3c", "masterstudent"},
                               {"year4", "3b", "jones_bea"},  {"year4", "3b", "masterstudent"}};
  for (const auto& s : students) {
    const fs::path folder = student(s[0], s[1], s[2]);
    for (const char* sub : {"work", "images", "powerpoints"}) fs::create_directories(folder / sub);
    if (subject_folders) {
      fs::create_directories(folder / "maths");
      fs::create_directories(folder / "science");
    }
    WriteFile(folder / "topic3.htm", "old");
  }
}

std::string SiteFixture::site_root() const { return vb::NativeToText(root()) + "/"; }

fs::path SiteFixture::student(const std::string& level, const std::string& klass,
                              const std::string& folder) const {
  return root() / "2026" / level / klass / folder;
}

std::string SiteFixture::text(const fs::path& native) const { return vb::NativeToText(native); }

}  // namespace topics_test
