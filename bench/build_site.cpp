// Benchmark (run by hand): builds a generated school of 1,400 students in 56
// classes over 7 levels onto a temporary drive, without a window, then copies
// the finished tree with `cp -a` on the same file system, the floor for writing
// that many files, and prints both times and their ratio.
//
//   build_site [Shared|Replicated]
#include <sys/wait.h>
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

constexpr int kLevels = 7;
constexpr int kClassesPerLevel = 8;
constexpr int kStudentsPerClass = 25;

class QuietWindow : public builder::InstallWindow {
 public:
  void UnloadSubjectGroupsWindow() override {}
  void HideMainWindow() override {}
  void PostClose() override {}
};

// Years 1 to 7, eight classes of 25 in each, the classes' rows interleaved as
// an enrolment export lists them.
void WriteYearLists(const fs::path& program, builder::PlainBuildSettings& settings) {
  const char* surnames[] = {"Smith", "Nguyen", "O'Brien", "Brown", "Patel", "Kowalski", "Lee", "Zhou"};
  const char* given[] = {"Amy", "Sam", "Lily", "Josh", "Mia", "Noah", "Ava", "Leo", "Zoe"};
  for (int level = 2; level < 2 + kLevels; ++level) {
    settings.levels[level] = true;
    std::ofstream list(program / std::string(builder::YearLevelTable[level].list_file), std::ios::binary);
    for (int i = 0; i < kClassesPerLevel * kStudentsPerClass; ++i) {
      list << surnames[i % 8] << level << i << "," << given[i % 9] << "," << level - 1
           << static_cast<char>('A' + i % kClassesPerLevel) << "\r\n";
    }
  }
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `cp -a from to` and returns its time in seconds.
double CopyTree(const fs::path& from, const fs::path& to) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    ::execlp("cp", "cp", "-a", from.c_str(), to.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "cp -a failed\n");
  return SecondsSince(start);
}

size_t CountFiles(const fs::path& folder) {
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files += entry.is_regular_file();
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  const bool shared = argc > 1 && std::string(argv[1]) == "Shared";
  // $TMPDIR picks the file system to measure (for example a tmpfs).
  const char* tmp = std::getenv("TMPDIR");
  std::string root_template = std::string(tmp && *tmp ? tmp : "/tmp") + "/orvane-bench-XXXXXX";
  const fs::path root = ::mkdtemp(root_template.data());
  const fs::path program = root / "program";
  fs::copy(ORVANE_PROGRAM_DIR, program, fs::copy_options::recursive);
  builder::PlainBuildSettings settings;
  settings.placement = shared ? builder::ImagePlacement::Shared : builder::ImagePlacement::Replicated;
  WriteYearLists(program, settings);
  fs::create_directories(root / "d");
  std::ofstream(root / "d" / "label.dat") << "bench";
  ::setenv("ORVANE_DRIVES", root.c_str(), 1);
  ::setenv("ORVANE_OPEN_COMMAND", "true", 1);

  builder::BuildContext ctx;
  ctx.ProgramFolder = vb::NativeToText(program) + "/";
  builder::NoProgressWindow progress;
  QuietWindow window;
  builder::InstallServices services = builder::DefaultInstallServices();
  services.wait = [](std::chrono::milliseconds) {};

  const auto start = std::chrono::steady_clock::now();
  builder::Command1_Click(ctx, settings, progress, window, services);
  const double build = SecondsSince(start);
  const double copy = CopyTree(root / "d" / "orvane", root / "copy");

  std::printf("%d students, %s images: %.0f pages, %zu files\n",
              kLevels * kClassesPerLevel * kStudentsPerClass, shared ? "shared" : "replicated",
              ctx.PageCount, CountFiles(root / "d" / "orvane"));
  std::printf("build %.2f s, cp -a %.2f s, ratio %.2f\n", build, copy, build / copy);
  fs::remove_all(root);
  return 0;
}
