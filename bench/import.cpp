// Benchmark (run by hand): the start-up import inside the real main window
// (offscreen), as the program runs it, of a large enrolment export against
// the same start on a small one. Each start is a child of its own; the pairs
// alternate which export goes first. Prints every pair, the median of each
// side and their difference. Then one start on a very large export against
// one on the sample export: their peak memory and its growth, and the time
// against an awk split of the same file by year (--pairs 0 runs only this).
// With --name, the very large export's first surname is that many bytes long.
//
//   import [--rows 8400] [--small 14] [--pairs 6] [--huge 6000000] [--name 0]
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "builder/ui/form1.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

// A console export of `rows` students over the years K to 6, classes of 25;
// the first surname is `name_bytes` long when that is more than its own.
void WriteExport(const fs::path& file, long rows, long name_bytes = 0) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << "LastName,FirstName,LegalFirstName,Gender,ScholasticYear,RollClass,StudentNumber\r\n";
  const char* years[] = {"K", "1", "2", "3", "4", "5", "6"};
  const char* surnames[] = {"Smith", "Nguyen", "O'Brien", "Brown", "Patel", "Kowalski", "Lee", "Zhou"};
  const char* given[] = {"Amy", "Sam", "Lily", "Josh", "Mia", "Noah", "Ava", "Leo", "Zoe"};
  std::string row;
  for (long i = 0; i < rows; ++i) {
    const char* year = years[i % 7];
    const long cls = (i / 7) % 8;
    row = std::string(surnames[i % 8]) + std::to_string(i) + "," + given[i % 9] + "," + given[i % 9] +
          "," + (i % 2 ? "F" : "M") + ",YR" + year + ",RC" + year + static_cast<char>('A' + cls) +
          "," + std::to_string(4410000 + i) + "\r\n";
    if (i == 0 && name_bytes > 6) row.insert(5, static_cast<size_t>(name_bytes - 6), 'h');
    out << row;
  }
}

// One start of the builder on the export in `drives` (C:\orvanesetup\),
// up to the main window with its year boxes, in a child.
bench::ChildRun Start(const fs::path& drives, const fs::path& program) {
  return bench::TimeForked([&] {
    // Qt's notes on the offscreen platform are not the benchmark's output.
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) ::dup2(quiet, STDERR_FILENO);
    ::setenv("ORVANE_DRIVES", drives.c_str(), 1);
    int argc = 1;
    char name[] = "orvane";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    vb::SetMessageBoxHandler([](const vb::MessageBoxRequest&) { return vb::vbOK; });
    builder::Form1 form1(vb::NativeToText(program) + "/", "");
    form1.Form_Load();
    app.processEvents();
    return form1.isVisible() ? 0 : 1;
  });
}

// One start on the sample export and one on a generated export of `rows`
// rows in `drives`: the peak of each, and the time of the large one against
// `awk` writing the same rows into one file per year.
bool HugeImport(const fs::path& root, const fs::path& drives, const fs::path& program, long rows,
                long name_bytes) {
  const fs::path sample_drives = root / "sample";
  fs::create_directories(sample_drives / "c/orvanesetup");
  fs::copy_file(ORVANE_SAMPLE_EXPORT, sample_drives / "c/orvanesetup/StudentsRecord.csv");
  const fs::path export_file = drives / "c/orvanesetup/StudentsRecord.csv";
  fs::remove_all(drives);
  WriteExport(export_file, rows, name_bytes);
  const bench::ChildRun sample = Start(sample_drives, program);
  const bench::ChildRun large = Start(drives, program);
  const fs::path split = root / "awk";
  fs::create_directory(split);
  const bench::ChildRun awk = bench::TimeProgram(
      {"awk", "-F,", "-v", "dir=" + split.string(), "NR > 1 { print > (dir \"/\" $5 \".txt\") }",
       export_file.string()});
  std::printf("%ld rows (%.0f MB): %.2f s, peak %.1f MiB; the sample: peak %.1f MiB; growth %.1f MiB\n", rows,
              static_cast<double>(fs::file_size(export_file)) / 1e6, large.seconds, large.peak_mib,
              sample.peak_mib, large.peak_mib - sample.peak_mib);
  std::printf("awk split of the same file: %.2f s; import / awk %.2f; load average %s\n", awk.seconds,
              large.seconds / awk.seconds, bench::LoadAverage().c_str());
  return sample.ok && large.ok && awk.ok;
}

}  // namespace

int main(int argc, char** argv) {
  long rows = 8400, small = 14, huge = 6000000, name_bytes = 0;
  int pairs = 6;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--rows") == 0) rows = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--small") == 0) small = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--pairs") == 0) pairs = std::max(0, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--huge") == 0) huge = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--name") == 0) name_bytes = std::atol(argv[i + 1]);
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::setenv("ORVANE_OPEN_COMMAND", "true", 1);
  const fs::path root = bench::FreshFolder("orvane-import");
  if (root.empty()) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path program = root / "program";
  fs::copy(ORVANE_PROGRAM_DIR, program, fs::copy_options::recursive);
  fs::create_directory(root / "runtime");
  fs::permissions(root / "runtime", fs::perms::owner_all);
  ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  const fs::path large_drives = root / "large", small_drives = root / "small";
  WriteExport(large_drives / "c/orvanesetup/StudentsRecord.csv", rows);
  WriteExport(small_drives / "c/orvanesetup/StudentsRecord.csv", small);

  std::printf("start-up import of %ld rows against %ld rows, in the window (offscreen); load average %s\n",
              rows, small, bench::LoadAverage().c_str());
  std::vector<double> large_times, small_times;
  bool ok = true;
  for (int pair = 0; pair < pairs; ++pair) {
    bench::ChildRun large, little;
    if (pair % 2 == 0) {
      large = Start(large_drives, program);
      little = Start(small_drives, program);
    } else {
      little = Start(small_drives, program);
      large = Start(large_drives, program);
    }
    ok = ok && large.ok && little.ok;
    large_times.push_back(large.seconds);
    small_times.push_back(little.seconds);
    std::printf("pair %d, %s first: %ld rows %.3f s, %ld rows %.3f s\n", pair + 1,
                pair % 2 == 0 ? "large" : "small", rows, large.seconds, small, little.seconds);
    std::fflush(stdout);
  }
  const double large_median = bench::Median(large_times), small_median = bench::Median(small_times);
  if (pairs > 0) {
    std::printf("median %ld rows %.3f s, median %ld rows %.3f s, difference %.3f s\n", rows, large_median, small,
                small_median, large_median - small_median);
  }
  std::fflush(stdout);

  if (huge > 0) ok = HugeImport(root, large_drives, program, huge, name_bytes) && ok;
  fs::remove_all(root);
  if (!ok) std::fprintf(stderr, "import: a start did not come up\n");
  return ok ? 0 : 1;
}
