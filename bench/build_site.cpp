// Benchmark (run by hand): a whole build of a generated school, without a
// window, against `cp -a` of the tree a build makes, the floor for writing
// that many files, on the file system $TMPDIR names. The pairs alternate
// which side goes first; each build and each copy goes into a fresh folder.
// On a tmpfs what a pair made is removed before the next; on a disk every
// tree stays until the end, since a large removal leaves the disk busy
// (discards, journal) for whatever runs after it. Prints every pair, the
// minimum and median of each side and, last, the ratio of the medians.
//
//   build_site [--students 1400] [--pairs 6] [Shared|Replicated]
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "builder/core/tables.h"
#include "builder/install/build_driver.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "site/build_context.h"
#include "site/build_settings.h"
#include "site/progress_window.h"
#include "tests/support/no_progress_window.h"
#include "tests/support/plain_build_settings.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStudentsPerClass = 25;
constexpr int kMostPerLevel = 500;  // a year list holds at most 500 rows

class QuietWindow : public builder::InstallWindow {
 public:
  void UnloadSubjectGroupsWindow() override {}
  void HideMainWindow() override {}
  void PostClose() override {}
};

// The school: seven year levels from Year 1 (all fourteen for more than
// 3,500 students), classes of 25, the classes' rows interleaved as an
// enrolment export lists them.
struct School {
  int students = 1400;
  int levels = 7;
  int first_row = 2;
  int per_level = 200;
  int classes_per_level = 8;

  explicit School(int count) : students(count) {
    levels = (students + kMostPerLevel - 1) / kMostPerLevel;
    if (levels < 7) levels = 7;
    first_row = levels > 7 ? 0 : 2;
    per_level = (students + levels - 1) / levels;
    classes_per_level = (per_level + kStudentsPerClass - 1) / kStudentsPerClass;
  }

  // The build deletes the lists when it ends: they are written before each.
  void WriteYearLists(const fs::path& program, builder::PlainBuildSettings& settings) const {
    const char* surnames[] = {"Smith", "Nguyen", "O'Brien", "Brown", "Patel", "Kowalski", "Lee", "Zhou"};
    const char* given[] = {"Amy", "Sam", "Lily", "Josh", "Mia", "Noah", "Ava", "Leo", "Zoe"};
    int left = students;
    for (int row = first_row; row < first_row + levels; ++row) {
      const auto level = static_cast<size_t>(row);
      settings.levels[level] = true;
      std::ofstream list(program / std::string(builder::YearLevelTable[level].list_file),
                         std::ios::binary);
      for (int i = 0; i < per_level && left > 0; ++i, --left) {
        list << surnames[i % 8] << row << i << "," << given[i % 9] << "," << row
             << static_cast<char>('A' + i % classes_per_level) << "\r\n";
      }
    }
  }
};

bool IsTmpfs(const fs::path& folder) {
  struct statfs st {};
  return ::statfs(folder.c_str(), &st) == 0 && st.f_type == TMPFS_MAGIC;
}

size_t CountFiles(const fs::path& folder) {
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files += entry.is_regular_file();
  return files;
}

// One build onto drive D: of the fresh drives root `drives`, in a child.
bench::ChildRun Build(const School& school, const fs::path& program, const fs::path& drives,
                      builder::ImagePlacement placement, bool announce) {
  builder::PlainBuildSettings settings;
  settings.placement = placement;
  school.WriteYearLists(program, settings);
  fs::create_directories(drives / "d");
  std::ofstream(drives / "d" / "label.dat") << "bench";
  ::sync();
  return bench::TimeForked([&] {
    ::setenv("ORVANE_DRIVES", drives.c_str(), 1);
    ::setenv("ORVANE_OPEN_COMMAND", "true", 1);
    vb::SetMessageBoxHandler([](const vb::MessageBoxRequest&) { return vb::vbOK; });
    builder::BuildContext ctx;
    ctx.ProgramFolder = vb::NativeToText(program) + "/";
    builder::NoProgressWindow progress;
    QuietWindow window;
    builder::InstallServices services = builder::DefaultInstallServices();
    services.wait = [](std::chrono::milliseconds) {};
    builder::Command1_Click(ctx, settings, progress, window, services);
    if (announce) {
      std::printf("%d students in %d classes of %d levels, %s images: %.0f pages, %zu files\n",
                  school.students, school.levels * school.classes_per_level, school.levels,
                  placement == builder::ImagePlacement::Shared ? "shared" : "replicated",
                  ctx.PageCount, CountFiles(drives / "d" / "orvane"));
      std::fflush(stdout);
    }
    return ctx.PageCount > 0 ? 0 : 1;
  });
}

// `cp -a` of the tree `site` into the fresh folder `target`.
bench::ChildRun Copy(const fs::path& site, const fs::path& target) {
  fs::create_directories(target);
  ::sync();
  return bench::TimeProgram({"cp", "-a", site.string(), (target / "orvane").string()});
}

}  // namespace

int main(int argc, char** argv) {
  int students = 1400;
  int pairs = 6;
  builder::ImagePlacement placement = builder::ImagePlacement::Replicated;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--students") == 0 && i + 1 < argc) {
      students = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
      pairs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "Shared") == 0) {
      placement = builder::ImagePlacement::Shared;
    } else if (std::strcmp(argv[i], "Replicated") != 0) {
      std::fprintf(stderr, "usage: build_site [--students N] [--pairs P] [Shared|Replicated]\n");
      return 2;
    }
  }
  const School school(students);
  if (students < 1 || school.levels > 14 || pairs < 1) {
    std::fprintf(stderr, "build_site: 1 to %d students, at least one pair\n", 14 * kMostPerLevel);
    return 2;
  }

  // $TMPDIR picks the file system to measure (for example a tmpfs).
  const fs::path root = bench::FreshFolder("orvane-bench");
  if (root.empty()) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path program = root / "program";
  fs::copy(ORVANE_PROGRAM_DIR, program, fs::copy_options::recursive);

  // The first build makes the tree that every copy copies; it is not counted.
  const fs::path reference = root / "reference";
  const bench::ChildRun first = Build(school, program, reference, placement, true);
  if (!first.ok) {
    std::fprintf(stderr, "build_site: the build failed\n");
    return 1;
  }
  const fs::path site = reference / "d" / "orvane";
  const bool tmpfs = IsTmpfs(root);
  std::printf("in %s (%s), build's peak %.0f MiB, load average %s\n", root.c_str(),
              tmpfs ? "tmpfs" : "disk", first.peak_mib, bench::LoadAverage().c_str());

  std::vector<double> builds, copies;
  bool ok = true;
  for (int pair = 0; pair < pairs; ++pair) {
    const fs::path drives = root / ("build" + std::to_string(pair));
    const fs::path target = root / ("copy" + std::to_string(pair));
    const bool build_first = pair % 2 == 0;
    bench::ChildRun build, copy;
    if (build_first) {
      build = Build(school, program, drives, placement, false);
      copy = Copy(site, target);
    } else {
      copy = Copy(site, target);
      build = Build(school, program, drives, placement, false);
    }
    ok = ok && build.ok && copy.ok;
    builds.push_back(build.seconds);
    copies.push_back(copy.seconds);
    std::printf("pair %d, %s first: build %.3f s, cp -a %.3f s, ratio %.2f\n", pair + 1,
                build_first ? "build" : "copy", build.seconds, copy.seconds,
                build.seconds / copy.seconds);
    std::fflush(stdout);
    if (tmpfs) {
      fs::remove_all(drives);
      fs::remove_all(target);
    }
  }
  std::printf("load average %s\n", bench::LoadAverage().c_str());
  std::printf("build: min %.3f s, median %.3f s\n", bench::Min(builds), bench::Median(builds));
  std::printf("cp -a: min %.3f s, median %.3f s\n", bench::Min(copies), bench::Median(copies));
  std::printf("median ratio %.2f\n", bench::Median(builds) / bench::Median(copies));
  fs::remove_all(root);
  if (!ok) std::fprintf(stderr, "build_site: a build or a copy failed\n");
  return ok ? 0 : 1;
}
