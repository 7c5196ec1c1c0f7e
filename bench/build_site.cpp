// Benchmark (run by hand): a whole build of a generated school, without a
// window and in the real main window (offscreen), on the file system $TMPDIR
// names, against two references made of the tree a build makes: `cp -a` of
// it, a copy by another program, and the floor, the same tree held in memory
// (read before the clock starts) and made by nothing but mkdir, open, write
// and close. Each build is timed from Install to the results box (the
// window's five-second close is not counted). With --old, the bench program
// of another build folder runs in the same rounds, one round of its own each
// time, so that a change is timed beside what it changes. The rounds rotate
// which road goes first; each build, copy and floor goes into a fresh folder.
// What a round made is removed before the next, as an old round removes
// its own; on a disk, what the removal leaves the disk doing (discards,
// journal) is waited out after each, so that no road writes into a fuller
// disk or a busier one than another road does. Prints every round, the
// minimum and median of each road and, last, the ratios of medians.
//
//   build_site [--students 1400] [--pairs 6] [--display] [--old BUILD_DIR]... [Shared|Replicated]
//   (--display: the window on the display $DISPLAY names, not offscreen)
//   (--pairs counts the rounds)
//   (--old: BUILD_DIR/bench/build_site, e.g. /work/old/build, timed in every round)
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
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
#include <iterator>
#include <sstream>
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

// `cp -a` of the tree `site` into the fresh folder `target`: a copy by
// another program, which reads every file as it writes it.
bench::ChildRun Copy(const fs::path& site, const fs::path& target) {
  fs::create_directories(target);
  ::sync();
  return bench::TimeProgram({"cp", "-a", site.string(), (target / "orvane").string()});
}

// A tree held in memory: its folders, parents first, and its files with
// their modes and bytes, each path relative to the tree.
struct HeldTree {
  struct File {
    std::string path;
    mode_t mode;
    std::string bytes;
  };
  std::vector<std::string> folders;
  std::vector<File> files;
};

HeldTree HoldTree(const fs::path& tree) {
  HeldTree held;
  for (const auto& entry : fs::recursive_directory_iterator(tree)) {
    const std::string path = fs::relative(entry.path(), tree).string();
    if (entry.is_directory()) {
      held.folders.push_back(path);
    } else if (entry.is_regular_file()) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      held.files.push_back({path, static_cast<mode_t>(entry.status().permissions()), std::move(bytes)});
    }
  }
  return held;
}

// The floor: the tree `site` read into memory by a child, then made in the
// fresh folder `target` by mkdir, open, write and close alone, timed from
// the first mkdir to the last close. The parent never holds the tree, so
// that the builds it forks start as small as ever.
bench::ChildRun Floor(const fs::path& site, const fs::path& target) {
  fs::create_directories(target);
  ::sync();
  InstallToResults clock;
  return clock.Taken(bench::TimeForked([&] {
    const HeldTree tree = HoldTree(site);
    clock.Start();
    const std::string root = target.string() + "/";
    if (::mkdir((root + "orvane").c_str(), 0777) != 0) return 1;
    for (const std::string& folder : tree.folders) {
      if (::mkdir((root + "orvane/" + folder).c_str(), 0777) != 0) return 1;
    }
    for (const HeldTree::File& file : tree.files) {
      const int fd = ::open((root + "orvane/" + file.path).c_str(), O_WRONLY | O_CREAT | O_EXCL, file.mode);
      if (fd < 0) return 1;
      const ssize_t n = ::write(fd, file.bytes.data(), file.bytes.size());
      if (::close(fd) != 0 || n != static_cast<ssize_t>(file.bytes.size())) return 1;
    }
    clock.Stop();
    return 0;
  }));
}

// One round of the bench program of an old build folder, in the same
// $TMPDIR: its builds' times, read from the line it prints for its round.
bench::ChildRun OldRound(const std::string& folder, const School& school, site::ImagePlacement placement,
                         double& window_seconds) {
  const std::string program = folder + "/bench/build_site";
  const std::string command = program + " --students " + std::to_string(school.students) + " --pairs 1 " +
                              (placement == site::ImagePlacement::Shared ? "Shared" : "Replicated");
  bench::ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  FILE* out = ::popen(command.c_str(), "r");
  if (out == nullptr) return run;
  char line[512];
  while (std::fgets(line, sizeof line, out) != nullptr) {
    const char* round = std::strstr(line, ": build ");
    if (std::strncmp(line, "round 1,", 8) != 0 || round == nullptr) continue;
    run.ok = std::sscanf(round, ": build %lf s, in the window %lf s", &run.seconds, &window_seconds) == 2;
  }
  run.ok = ::pclose(out) == 0 && run.ok;
  if (!run.ok) std::fprintf(stderr, "build_site: %s failed after %.0f s\n", command.c_str(),
                            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return run;
}

// The milliseconds the machine's disks have spent at work so far, the
// tenth count of each line of /proc/diskstats.
long DiskBusyMs() {
  std::ifstream stats("/proc/diskstats");
  long total = 0;
  for (std::string line; std::getline(stats, line);) {
    std::istringstream fields(line);
    std::string skip;
    fields >> skip >> skip >> skip;
    long value = 0;
    for (int i = 0; i < 10 && (fields >> value); ++i) {
    }
    total += value;
  }
  return total;
}

// On a disk, what a round leaves the disk doing when it removes its trees
// (journal, discards) is waited out, at most a minute, so that it is not
// counted to the road after it.
void LetTheDiskSettle() {
  ::sync();
  for (int half_seconds = 0; half_seconds < 120; ++half_seconds) {
    const long before = DiskBusyMs();
    ::usleep(500000);
    if (DiskBusyMs() - before < 50) return;
  }
}

// The times of every round, by road; the old builds' by folder.
struct Rounds {
  std::vector<double> builds, window_builds, copies, floors;
  std::vector<std::string> old_folders;
  std::vector<std::vector<double>> old_builds, old_window_builds;
  bool ok = true;
};

// One round: a build without a window, one in the window, a copy, the floor
// and a round of each old build, the one to go first turning with the
// round, each into a fresh folder.
void RunRound(int round, const School& school, const fs::path& root, const fs::path& site,
              site::ImagePlacement placement, bool tmpfs, Rounds& rounds) {
  const fs::path program = root / "program";
  const fs::path drives = root / ("build" + std::to_string(round));
  const fs::path window_drives = root / ("window" + std::to_string(round));
  const fs::path target = root / ("copy" + std::to_string(round));
  const fs::path floor = root / ("floor" + std::to_string(round));
  bench::ChildRun build, window, copy, made;
  const size_t olds = rounds.old_folders.size();
  std::vector<bench::ChildRun> old(olds);
  std::vector<double> old_window(olds);
  const size_t roads = 4 + olds;
  const char* order[] = {"build", "window", "copy", "floor"};
  for (size_t step = 0; step < roads; ++step) {
    const size_t road = (static_cast<size_t>(round) + step) % roads;
    switch (road) {
      case 0: build = Build(school, program, drives, placement, false); break;
      case 1: window = WindowBuild(school, program, window_drives, placement); break;
      case 2: copy = Copy(site, target); break;
      case 3: made = Floor(site, floor); break;
      default:
        old[road - 4] = OldRound(rounds.old_folders[road - 4], school, placement, old_window[road - 4]);
        if (!tmpfs) LetTheDiskSettle();
    }
  }
  rounds.ok = rounds.ok && build.ok && window.ok && copy.ok && made.ok;
  rounds.builds.push_back(build.seconds);
  rounds.window_builds.push_back(window.seconds);
  rounds.copies.push_back(copy.seconds);
  rounds.floors.push_back(made.seconds);
  const size_t first = static_cast<size_t>(round) % roads;
  std::printf("round %d, %s first: build %.3f s, in the window %.3f s, cp -a %.3f s, floor %.3f s\n",
              round + 1, first < 4 ? order[first] : rounds.old_folders[first - 4].c_str(), build.seconds,
              window.seconds, copy.seconds, made.seconds);
  for (size_t i = 0; i < olds; ++i) {
    rounds.ok = rounds.ok && old[i].ok;
    rounds.old_builds[i].push_back(old[i].seconds);
    rounds.old_window_builds[i].push_back(old_window[i]);
    std::printf("  old %s: build %.3f s, in the window %.3f s\n", rounds.old_folders[i].c_str(),
                old[i].seconds, old_window[i]);
  }
  std::fflush(stdout);
  for (const fs::path& made_here : {drives, window_drives, target, floor}) fs::remove_all(made_here);
  if (!tmpfs) LetTheDiskSettle();
}

void PrintMedians(const Rounds& rounds) {
  std::printf("load average %s\n", bench::LoadAverage().c_str());
  auto show = [](const char* road, const std::vector<double>& times) {
    std::printf("%s: min %.3f s, median %.3f s\n", road, bench::Min(times), bench::Median(times));
  };
  show("build", rounds.builds);
  show("build in the window", rounds.window_builds);
  show("cp -a", rounds.copies);
  show("floor", rounds.floors);
  const double copy = bench::Median(rounds.copies);
  const double floor = bench::Median(rounds.floors);
  const double window = bench::Median(rounds.window_builds);
  std::printf("median ratio %.2f\n", bench::Median(rounds.builds) / copy);
  std::printf("median ratio in the window %.2f\n", window / copy);
  std::printf("median ratio to the floor %.2f, in the window %.2f\n", bench::Median(rounds.builds) / floor,
              window / floor);
  for (size_t i = 0; i < rounds.old_folders.size(); ++i) {
    const double old_window = bench::Median(rounds.old_window_builds[i]);
    std::printf("old %s: build median %.3f s, in the window %.3f s; to the floor %.2f, in the window %.2f; "
                "this build in the window against it %.2f\n",
                rounds.old_folders[i].c_str(), bench::Median(rounds.old_builds[i]), old_window,
                bench::Median(rounds.old_builds[i]) / floor, old_window / floor, window / old_window);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int students = 1400;
  int pairs = 6;
  bool on_display = false;
  site::ImagePlacement placement = site::ImagePlacement::Replicated;
  Rounds rounds;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--students") == 0 && i + 1 < argc) {
      students = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
      pairs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--old") == 0 && i + 1 < argc) {
      rounds.old_folders.push_back(argv[++i]);
    } else if (std::strcmp(argv[i], "--display") == 0) {
      on_display = true;
    } else if (std::strcmp(argv[i], "Shared") == 0) {
      placement = site::ImagePlacement::Shared;
    } else if (std::strcmp(argv[i], "Replicated") != 0) {
      std::fprintf(stderr, "usage: build_site [--students N] [--pairs P] [--display] [--old BUILD_DIR]... "
                   "[Shared|Replicated]\n");
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

  rounds.old_builds.resize(rounds.old_folders.size());
  rounds.old_window_builds.resize(rounds.old_folders.size());
  const fs::path site = reference / "d" / "orvane";
  for (int round = 0; round < pairs; ++round) {
    RunRound(round, school, root, site, placement, tmpfs, rounds);
  }
  PrintMedians(rounds);
  fs::remove_all(root);
  if (!rounds.ok) std::fprintf(stderr, "build_site: a build or a copy failed\n");
  return rounds.ok ? 0 : 1;
}
