// Times XRsortLib.so against GNU sort (one thread) on the same generated
// inputs, budgets and temporary folder, checks that both give the same
// lines, and prints for each input and budget the medians of interleaved
// pairs (the pairs alternate which sort goes first), their ratio and both
// peak resident sizes.
//
// The random input is also sorted under a case-insensitive key (/C=1,0)
// against GNU sort's -f, both in the C locale. --only runs one row (such as
// "random/C"); --budgets lists the budgets in MiB, "fit" being one that
// holds the whole input.
//
//   sort_vs_gnu [--mb 100] [--pairs 3] [--dir FOLDER] [--lib PATH/XRsortLib.so]
//               [--only NAME] [--budgets 1,16,fit]
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "sortlib/XRsortLib.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kMiB = 1024 * 1024;

// Runs `argv` in `folder` with `env`.
bench::ChildRun Spawn(const std::vector<std::string>& argv, const fs::path& folder,
                      const std::vector<std::string>& env) {
  const fs::path here = fs::current_path();
  fs::current_path(folder);
  const bench::ChildRun run = bench::TimeProgram(argv, env);
  fs::current_path(here);
  return run;
}

// The child: one SortFile call through the loaded library.
int RunLibrary(const char* library, const char* command_line) {
  void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "%s\n", dlerror());
    return 2;
  }
  auto sort_file = reinterpret_cast<XRSortFileProc>(dlsym(handle, "SortFile"));
  auto last_error = reinterpret_cast<XRGetLastErrorStrProc>(dlsym(handle, "GetLastErrorStr"));
  if (sort_file == nullptr || last_error == nullptr) {
    std::fprintf(stderr, "%s: a sort call is missing\n", library);
    return 2;
  }
  if (sort_file(command_line, nullptr) == -1) return 0;
  char text[512];
  if (last_error(text, sizeof text - 1)) std::fprintf(stderr, "SortFile: %s\n", text);
  return 1;
}

std::vector<std::string> RandomLines(uint64_t bytes, std::mt19937_64& random) {
  std::vector<std::string> lines;
  uint64_t total = 0;
  while (total < bytes) {
    std::string line(10 + random() % 91, ' ');
    for (char& c : line) c = static_cast<char>(0x20 + random() % 95);
    total += line.size() + 1;
    lines.push_back(std::move(line));
  }
  return lines;
}

uint64_t WriteLines(const fs::path& file, const std::vector<std::string>& lines) {
  std::ofstream out(file, std::ios::binary);
  uint64_t charge = 0;
  for (const std::string& line : lines) {
    out << line << '\n';
    charge += line.size() + 10;
  }
  return charge;
}

// The two outputs hold the same lines once CR is taken out.
bool SameLines(const fs::path& library_out, const fs::path& gnu_out) {
  std::ifstream a(library_out, std::ios::binary), b(gnu_out, std::ios::binary);
  std::vector<char> x(1 << 16), y(1 << 16);
  std::string left, right;
  for (;;) {
    a.read(x.data(), static_cast<std::streamsize>(x.size()));
    b.read(y.data(), static_cast<std::streamsize>(y.size()));
    for (std::streamsize i = 0; i < a.gcount(); ++i) {
      if (x[static_cast<size_t>(i)] != '\r') left += x[static_cast<size_t>(i)];
    }
    right.append(y.data(), static_cast<size_t>(b.gcount()));
    const size_t n = std::min(left.size(), right.size());
    if (left.compare(0, n, right, 0, n) != 0) return false;
    left.erase(0, n);
    right.erase(0, n);
    if (a.gcount() == 0 && b.gcount() == 0) return left.empty() && right.empty();
  }
}

// Writes the four inputs of about `megabytes` MB into `dir`, and in
// charges.txt each input's name and its budget charge (length + 10 a line).
int Generate(const fs::path& dir, uint64_t megabytes) {
  std::mt19937_64 random(20261208);
  std::vector<std::string> lines = RandomLines(megabytes * 1000 * 1000, random);
  std::ofstream charges(dir / "charges.txt");
  charges << "random " << WriteLines(dir / "random.txt", lines) << "\n";
  std::vector<std::string> dups;
  {
    const std::vector<std::string> pool(lines.begin(), lines.begin() + lines.size() / 10);
    for (size_t i = 0; i < lines.size(); ++i) dups.push_back(pool[random() % pool.size()]);
  }
  charges << "dup90 " << WriteLines(dir / "dup90.txt", dups) << "\n";
  dups.clear();
  dups.shrink_to_fit();
  std::sort(lines.begin(), lines.end());
  charges << "sorted " << WriteLines(dir / "sorted.txt", lines) << "\n";
  std::reverse(lines.begin(), lines.end());
  charges << "reversed " << WriteLines(dir / "reversed.txt", lines) << "\n";
  return charges ? 0 : 1;
}

// One row's settings: the input, the library's keys and GNU sort's
// matching options.
struct Row {
  std::string name;
  std::string input;
  uint64_t charge;  // the input's budget charge (length + 10 a line)
  std::string keys;
  std::vector<std::string> gnu_options;
};

struct Options {
  uint64_t megabytes = 100;
  int pairs = 3;
  std::string library = SORT_VS_GNU_LIBRARY;
  fs::path base;
  std::string only;  // one row's name; empty for every row
  std::vector<std::string> budgets{"1", "16", "fit"};  // MiB, or "fit"
};

Options ReadOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string value = argv[i + 1];
    if (std::strcmp(argv[i], "--mb") == 0) o.megabytes = std::strtoull(value.c_str(), nullptr, 10);
    if (std::strcmp(argv[i], "--pairs") == 0) o.pairs = std::max(1, std::atoi(value.c_str()));
    if (std::strcmp(argv[i], "--dir") == 0) o.base = value;
    if (std::strcmp(argv[i], "--lib") == 0) o.library = value;
    if (std::strcmp(argv[i], "--only") == 0) o.only = value;
    if (std::strcmp(argv[i], "--budgets") == 0) {
      o.budgets.clear();
      for (size_t from = 0; from <= value.size();) {
        const size_t comma = std::min(value.find(',', from), value.size());
        o.budgets.push_back(value.substr(from, comma - from));
        from = comma + 1;
      }
    }
  }
  if (o.base.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    o.base = tmp && *tmp ? tmp : "/tmp";
  }
  return o;
}

// Every input sorted by its whole line, and the ASCII random input under a
// case-insensitive key against GNU sort's -f.
std::vector<Row> ReadRows(const fs::path& dir) {
  std::vector<Row> rows;
  std::ifstream charges(dir / "charges.txt");
  std::string name;
  uint64_t charge;
  while (charges >> name >> charge) {
    rows.push_back({name, name + ".txt", charge, "", {}});
    if (name == "random") rows.push_back({name + "/C", name + ".txt", charge, "/C=1,0 ", {"-f"}});
  }
  return rows;
}

// Times one row at one budget in interleaved pairs, prints its line; false
// when a sort failed or the outputs differ.
bool RunRow(const Row& row, uint64_t budget, const Options& o, const fs::path& dir,
            const std::string& self, const std::vector<std::string>& env) {
  const std::string kib = std::to_string(budget / 1024);
  const std::vector<std::string> lib_sort = {
      self, "--child", o.library, "/Q /M=" + kib + " /T=work " + row.keys + row.input + " lib.out"};
  std::vector<std::string> gnu_sort = {"sort", "--parallel=1"};
  gnu_sort.insert(gnu_sort.end(), row.gnu_options.begin(), row.gnu_options.end());
  gnu_sort.insert(gnu_sort.end(), {"-S", kib + "K", "-T", "work", "-o", "gnu.out", row.input});
  std::vector<double> lib_seconds, gnu_seconds;
  double lib_peak = 0, gnu_peak = 0;
  bool ok = true;
  for (int pair = 0; pair < o.pairs; ++pair) {
    fs::remove(dir / "lib.out");
    fs::remove(dir / "gnu.out");
    bench::ChildRun lib, gnu;
    if (pair % 2 == 0) {
      lib = Spawn(lib_sort, dir, env);
      gnu = Spawn(gnu_sort, dir, env);
    } else {
      gnu = Spawn(gnu_sort, dir, env);
      lib = Spawn(lib_sort, dir, env);
    }
    ok = ok && lib.ok && gnu.ok;
    lib_seconds.push_back(lib.seconds);
    gnu_seconds.push_back(gnu.seconds);
    lib_peak = std::max(lib_peak, lib.peak_mib);
    gnu_peak = std::max(gnu_peak, gnu.peak_mib);
  }
  const bool same = ok && SameLines(dir / "lib.out", dir / "gnu.out");
  const double cap = 1.25 * static_cast<double>(budget) / kMiB + 8;
  const double lib_median = bench::Median(lib_seconds);
  const double gnu_median = bench::Median(gnu_seconds);
  std::printf("%-9s %7" PRIu64 "Mi %9.3f %9.3f %7.2f %9.1f %9.1f %9.1f %s\n", row.name.c_str(),
              budget / kMiB, lib_median, gnu_median, lib_median / gnu_median, lib_peak, gnu_peak,
              cap, same ? "same" : "DIFFERENT");
  std::fflush(stdout);
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return RunLibrary(argv[2], argv[3]);
  if (argc == 4 && std::strcmp(argv[1], "--generate") == 0) {
    return Generate(argv[2], std::strtoull(argv[3], nullptr, 10));
  }
  const Options o = ReadOptions(argc, argv);
  std::string pattern = (o.base / "sort_vs_gnu.XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path dir = pattern;
  fs::create_directory(dir / "work");
  const std::string self = fs::read_symlink("/proc/self/exe").string();

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "LC_ALL=", 7) != 0) env.emplace_back(*e);
  }
  env.emplace_back("LC_ALL=C");

  // The inputs are made by a child, so that this process stays small: a
  // spawned child's peak size starts from its parent's.
  if (!Spawn({self, "--generate", dir.string(), std::to_string(o.megabytes)}, dir, env).ok) {
    std::fprintf(stderr, "could not make the inputs\n");
    return 1;
  }
  std::printf("%" PRIu64 " MB inputs in %s; library %s; %d pairs; load average %s\n", o.megabytes,
              dir.c_str(), o.library.c_str(), o.pairs, bench::LoadAverage().c_str());
  std::printf("%-9s %9s %9s %9s %7s %9s %9s %9s %s\n", "input", "budget", "lib s", "gnu s",
              "ratio", "lib MiB", "gnu MiB", "RSS cap", "check");
  bool all_same = true;
  for (const Row& row : ReadRows(dir)) {
    if (!o.only.empty() && row.name != o.only) continue;
    const uint64_t fit = (row.charge * 5 / 4 + kMiB - 1) / kMiB * kMiB;
    for (const std::string& b : o.budgets) {
      const uint64_t budget = b == "fit" ? fit : std::strtoull(b.c_str(), nullptr, 10) * kMiB;
      all_same = RunRow(row, budget, o, dir, self, env) && all_same;
    }
  }
  std::printf("load average %s\n", bench::LoadAverage().c_str());
  std::error_code ec;
  fs::remove_all(dir, ec);
  return all_same ? 0 : 1;
}
