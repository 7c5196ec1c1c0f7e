// Benchmark (run by hand): one whole K-6 build of a generated school into a
// temporary drive, from the assembled program folder, with the real sort.
//
//   whole_build [students] [Shared|Replicated]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "builder/core/build_context.h"
#include "builder/core/build_settings.h"
#include "builder/core/progress_window.h"
#include "builder/core/tables.h"
#include "builder/install/build_driver.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

class QuietWindow : public builder::InstallWindow {
 public:
  void UnloadSubjectGroupsWindow() override {}
  void HideMainWindow() override {}
  void PostClose() override {}
};

// Spreads the students over the fourteen levels, 25 to a class.
void WriteYearLists(const fs::path& program, int students) {
  const char* surnames[] = {"Smith", "Nguyen", "O'Brien", "Brown", "Patel", "Kowalski", "Lee", "Zhou"};
  const char* given[] = {"Amy", "Sam", "Lily", "Josh", "Mia", "Noah", "Ava", "Leo", "Zoe"};
  for (int level = 0; level < 14; ++level) {
    std::ofstream list(program / std::string(builder::YearLevelTable[level].list_file), std::ios::binary);
    for (int i = level; i < students; i += 14) {
      const int in_level = i / 14;
      list << surnames[i % 8] << i << "," << given[i % 9] << "," << "C" << (in_level / 25 + 1) << "\r\n";
    }
  }
}

size_t CountFiles(const fs::path& folder) {
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files += entry.is_regular_file();
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  const int students = argc > 1 ? std::atoi(argv[1]) : 1000;
  const bool shared = argc > 2 && std::string(argv[2]) == "Shared";
  char root_template[] = "/tmp/orvane-bench-XXXXXX";
  const fs::path root = ::mkdtemp(root_template);
  const fs::path program = root / "program";
  fs::copy(ORVANE_PROGRAM_DIR, program, fs::copy_options::recursive);
  for (const char* tool : {"ovtopics", "ovhstopics"}) {
    if (!fs::exists(program / tool)) std::ofstream(program / tool) << "topics tool";
  }
  WriteYearLists(program, students);
  fs::create_directories(root / "d");
  std::ofstream(root / "d" / "label.dat") << "bench";
  ::setenv("ORVANE_DRIVES", root.c_str(), 1);
  ::setenv("ORVANE_OPEN_COMMAND", "true", 1);

  builder::BuildContext ctx;
  ctx.ProgramFolder = vb::NativeToText(program) + "/";
  builder::PlainBuildSettings settings;
  settings.placement = shared ? builder::ImagePlacement::Shared : builder::ImagePlacement::Replicated;
  settings.levels.fill(true);
  builder::NoProgressWindow progress;
  QuietWindow window;
  builder::InstallServices services = builder::DefaultInstallServices();
  services.wait = [](std::chrono::milliseconds) {};

  const auto start = std::chrono::steady_clock::now();
  builder::Command1_Click(ctx, settings, progress, window, services);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const size_t files = CountFiles(root / "d" / "orvane");
  std::printf("%d students, %s images: %.0f pages, %zu files in %.2f s (%.0f files/s)\n", students,
              shared ? "shared" : "replicated", ctx.PageCount, files, seconds, files / seconds);
  fs::remove_all(root);
  return 0;
}
