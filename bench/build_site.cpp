// Benchmark (run by hand): a whole build of a generated school, without a
// window and in the real main window (offscreen), against `cp -a` of the
// tree a build makes, the floor for writing that many files, on the file
// system $TMPDIR names. Each build is timed from Install to the results box
// (the window's five-second close is not counted). The rounds rotate which
// of the three goes first; each build and each copy goes into a fresh folder.
// On a tmpfs what a round made is removed before the next; on a disk every
// tree stays until the end, since a large removal leaves the disk busy
// (discards, journal) for whatever runs after it. Prints every round, the
// minimum and median of each side and, last, each road's ratio of medians.
//
//   build_site [--students 1400] [--pairs 6] [--display] [Shared|Replicated]
//   (--display: the window on the display $DISPLAY names, not offscreen)
//   (--pairs counts the rounds: each is a pair of a build and a copy for both roads)
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>
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
#include "builder/ui/form1.h"
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

// The seconds from Install to the results box, measured in a child and
// written to the pipe the parent reads once the child has ended.
class InstallToResults {
 public:
  InstallToResults() {
    if (::pipe(fds_) != 0) fds_[0] = fds_[1] = -1;
  }
  ~InstallToResults() {
    for (int fd : fds_) {
      if (fd >= 0) ::close(fd);
    }
  }

  // In the child: the clock starts at Install.
  void Start() { start_ = std::chrono::steady_clock::now(); }
  // In the child, at the results box.
  void Stop() {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (::write(fds_[1], &seconds, sizeof seconds) != sizeof seconds) std::perror("pipe");
  }
  // In the parent, after the child: the child's run with the measured time.
  bench::ChildRun Taken(bench::ChildRun run) {
    ::close(fds_[1]);
    fds_[1] = -1;
    double seconds = 0;
    run.ok = run.ok && ::read(fds_[0], &seconds, sizeof seconds) == sizeof seconds;
    run.seconds = seconds;
    return run;
  }

 private:
  int fds_[2] = {-1, -1};
  std::chrono::steady_clock::time_point start_;
};

bool IsResultsBox(const vb::MessageBoxRequest& box) { return box.title == "Orvane Results"; }

// The year lists and a fresh drive D: under `drives` for one build.
builder::PlainBuildSettings PrepareBuild(const School& school, const fs::path& program,
                                         const fs::path& drives, site::ImagePlacement placement) {
  builder::PlainBuildSettings settings;
  settings.placement = placement;
  school.WriteYearLists(program, settings);
  fs::create_directories(drives / "d");
  std::ofstream(drives / "d" / "label.dat") << "bench";
  ::sync();
  ::setenv("ORVANE_DRIVES", drives.c_str(), 1);
  return settings;
}

// One build without a window onto drive D: of the fresh drives root `drives`, in a child.
bench::ChildRun Build(const School& school, const fs::path& program, const fs::path& drives,
                      site::ImagePlacement placement, bool announce) {
  const builder::PlainBuildSettings settings = PrepareBuild(school, program, drives, placement);
  InstallToResults clock;
  return clock.Taken(bench::TimeForked([&] {
    vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
      if (IsResultsBox(box)) clock.Stop();
      return vb::vbOK;
    });
    site::BuildContext ctx;
    ctx.ProgramFolder = vb::NativeToText(program) + "/";
    builder::NoProgressWindow progress;
    QuietWindow window;
    builder::InstallServices services = builder::DefaultInstallServices();
    services.wait = [](std::chrono::milliseconds) {};
    clock.Start();
    builder::Command1_Click(ctx, settings, progress, window, services);
    if (announce) {
      std::printf("%d students in %d classes of %d levels, %s images: %.0f pages, %zu files\n",
                  school.students, school.levels * school.classes_per_level, school.levels,
                  placement == site::ImagePlacement::Shared ? "shared" : "replicated",
                  ctx.PageCount, CountFiles(drives / "d" / "orvane"));
      std::fflush(stdout);
    }
    return ctx.PageCount > 0 ? 0 : 1;
  }));
}

// The main window's controls set to the choices of `settings`, as a user
// would, the year boxes enabled as the start-up import enables them.
void ChooseAsSettings(builder::Form1& form, const builder::PlainBuildSettings& settings) {
  form.Text1->setText(QString::fromStdString(settings.school_name));
  form.Text2->setText(QString::fromStdString(settings.year));
  form.Text3->setText(QString::fromStdString(settings.drive));
  form.Text4->setText(QString::fromStdString(settings.school_code));
  (settings.placement == site::ImagePlacement::Shared ? form.Option8 : form.Option9)->setChecked(true);
  (settings.naming == site::FolderNaming::Generic ? form.Option10 : form.Option11)->setChecked(true);
  form.Check15->setChecked(settings.evaluation);
  form.Check16->setChecked(settings.portfolio);
  form.Check17->setChecked(settings.last_year_link);
  QCheckBox* const boxes[] = {form.Check1, form.Check2,  form.Check3,  form.Check4,  form.Check5,
                              form.Check6, form.Check7,  form.Check8,  form.Check9,  form.Check10,
                              form.Check11, form.Check12, form.Check13, form.Check14};
  for (int row = 0; row < 14; ++row) {
    boxes[row]->setEnabled(settings.levels[static_cast<size_t>(row)]);
    boxes[row]->setChecked(settings.levels[static_cast<size_t>(row)]);
  }
}

// One build in the real main window (offscreen) onto drive D: of `drives`,
// in a child that ends at the results box: what follows is the close.
bench::ChildRun WindowBuild(const School& school, const fs::path& program, const fs::path& drives,
                            site::ImagePlacement placement) {
  const builder::PlainBuildSettings settings = PrepareBuild(school, program, drives, placement);
  InstallToResults clock;
  return clock.Taken(bench::TimeForked([&] {
    // Qt's notes on the platform are not the benchmark's output.
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) ::dup2(quiet, STDERR_FILENO);
    int argc = 1;
    char name[] = "orvane";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    vb::SetMessageBoxHandler([&](const vb::MessageBoxRequest& box) {
      if (!IsResultsBox(box)) return vb::vbOK;
      clock.Stop();
      ::_exit(0);
    });
    builder::Form1 form(vb::NativeToText(program) + "/", "");
    ChooseAsSettings(form, settings);
    form.show();
    app.processEvents();
    if (!form.Command1->isEnabled()) return 1;
    clock.Start();
    form.Command1->click();
    return 1;  // the build ended without its results
  }));
}

// `cp -a` of the tree `site` into the fresh folder `target`.
bench::ChildRun Copy(const fs::path& site, const fs::path& target) {
  fs::create_directories(target);
  ::sync();
  return bench::TimeProgram({"cp", "-a", site.string(), (target / "orvane").string()});
}

// The times of every round, by road.
struct Rounds {
  std::vector<double> builds, window_builds, copies;
  bool ok = true;
};

// One round: a build without a window, one in the window and a copy, the
// one to go first turning with the round, each into a fresh folder.
void RunRound(int round, const School& school, const fs::path& root, const fs::path& site,
              site::ImagePlacement placement, bool tmpfs, Rounds& rounds) {
  const fs::path program = root / "program";
  const fs::path drives = root / ("build" + std::to_string(round));
  const fs::path window_drives = root / ("window" + std::to_string(round));
  const fs::path target = root / ("copy" + std::to_string(round));
  bench::ChildRun build, window, copy;
  const char* order[] = {"build", "window", "copy"};
  for (int step = 0; step < 3; ++step) {
    switch ((round + step) % 3) {
      case 0: build = Build(school, program, drives, placement, false); break;
      case 1: window = WindowBuild(school, program, window_drives, placement); break;
      default: copy = Copy(site, target); break;
    }
  }
  rounds.ok = rounds.ok && build.ok && window.ok && copy.ok;
  rounds.builds.push_back(build.seconds);
  rounds.window_builds.push_back(window.seconds);
  rounds.copies.push_back(copy.seconds);
  std::printf("round %d, %s first: build %.3f s, in the window %.3f s, cp -a %.3f s\n", round + 1,
              order[round % 3], build.seconds, window.seconds, copy.seconds);
  std::fflush(stdout);
  if (tmpfs) {
    for (const fs::path& made : {drives, window_drives, target}) fs::remove_all(made);
  }
}

void PrintMedians(const Rounds& rounds) {
  std::printf("load average %s\n", bench::LoadAverage().c_str());
  std::printf("build: min %.3f s, median %.3f s\n", bench::Min(rounds.builds),
              bench::Median(rounds.builds));
  std::printf("build in the window: min %.3f s, median %.3f s\n", bench::Min(rounds.window_builds),
              bench::Median(rounds.window_builds));
  std::printf("cp -a: min %.3f s, median %.3f s\n", bench::Min(rounds.copies),
              bench::Median(rounds.copies));
  const double copy = bench::Median(rounds.copies);
  std::printf("median ratio %.2f\n", bench::Median(rounds.builds) / copy);
  std::printf("median ratio in the window %.2f\n", bench::Median(rounds.window_builds) / copy);
}

}  // namespace

int main(int argc, char** argv) {
  int students = 1400;
  int pairs = 6;
  bool on_display = false;
  site::ImagePlacement placement = site::ImagePlacement::Replicated;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--students") == 0 && i + 1 < argc) {
      students = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
      pairs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--display") == 0) {
      on_display = true;
    } else if (std::strcmp(argv[i], "Shared") == 0) {
      placement = site::ImagePlacement::Shared;
    } else if (std::strcmp(argv[i], "Replicated") != 0) {
      std::fprintf(stderr, "usage: build_site [--students N] [--pairs P] [--display] [Shared|Replicated]\n");
      return 2;
    }
  }
  const School school(students);
  if (students < 1 || school.levels > 14 || pairs < 1) {
    std::fprintf(stderr, "build_site: 1 to %d students, at least one pair\n", 14 * kMostPerLevel);
    return 2;
  }
  if (!on_display) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("ORVANE_OPEN_COMMAND", "true", 1);

  // $TMPDIR picks the file system to measure (for example a tmpfs).
  const fs::path root = bench::FreshFolder("orvane-bench");
  if (root.empty()) {
    std::perror("mkdtemp");
    return 1;
  }
  fs::copy(ORVANE_PROGRAM_DIR, root / "program", fs::copy_options::recursive);
  fs::create_directory(root / "runtime");
  fs::permissions(root / "runtime", fs::perms::owner_all);
  ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 0);

  // The first build makes the tree that every copy copies; it is not counted.
  const fs::path reference = root / "reference";
  const bench::ChildRun first = Build(school, root / "program", reference, placement, true);
  if (!first.ok) {
    std::fprintf(stderr, "build_site: the build failed\n");
    return 1;
  }
  const bool tmpfs = IsTmpfs(root);
  std::printf("in %s (%s), build's peak %.0f MiB, load average %s\n", root.c_str(),
              tmpfs ? "tmpfs" : "disk", first.peak_mib, bench::LoadAverage().c_str());
  std::printf("the window %s\n", on_display ? "on the display $DISPLAY names" : "offscreen");
  std::fflush(stdout);

  Rounds rounds;
  for (int round = 0; round < pairs; ++round) {
    RunRound(round, school, root, reference / "d" / "orvane", placement, tmpfs, rounds);
  }
  PrintMedians(rounds);
  fs::remove_all(root);
  if (!rounds.ok) std::fprintf(stderr, "build_site: a build or a copy failed\n");
  return rounds.ok ? 0 : 1;
}
