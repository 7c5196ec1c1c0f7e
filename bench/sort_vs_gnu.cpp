// Times XRsortLib.so against GNU sort (one thread) on the same generated
// inputs, budgets and temporary folder, checks that both give the same
// lines, and prints for each input and budget the medians of interleaved
// rounds (each round turns round which sort goes first), the ratios and
// the peak resident sizes. GNU sort is timed twice over: plain, and durable,
// that is followed by `sync OUT`, which the library's output matches. Every
// run starts after a `sync`, so that none pays for what another left to
// write.
//
// The random input is also sorted under a case-insensitive key (/C=1,0)
// against GNU sort's -f, and a numbered input under its number (/N=1,10)
// against sort -n, all in the C locale. --old-lib times another library in
// the same rounds (given more than once, each of them), whose output must
// be the first's byte for byte. --only
// runs one row (such as "random/C"); --budgets lists the budgets in MiB,
// "fit" being one that holds the whole input.
//
//   sort_vs_gnu [--mb 100] [--pairs 3] [--dir FOLDER] [--lib PATH/XRsortLib.so]
//               [--old-lib PATH/XRsortLib.so] [--only NAME] [--budgets 1,16,fit]
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

// Lines of a number right-aligned in 10 columns, a blank and 10 to 90
// bytes, in random order; no two numbers are the same, so that the order of
// equal keys, which differs between the sorts, never shows.
std::vector<std::string> NumberedLines(uint64_t bytes, std::mt19937_64& random) {
  std::vector<std::string> lines;
  uint64_t total = 0;
  for (uint64_t i = 1; total < bytes; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%10" PRIu64 " ", i * 7919 % 10000000000u);
    std::string line = number + std::string(10 + random() % 81, ' ');
    for (size_t c = 11; c < line.size(); ++c) line[c] = static_cast<char>(0x20 + random() % 95);
    total += line.size() + 1;
    lines.push_back(std::move(line));
  }
  std::shuffle(lines.begin(), lines.end(), random);
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

// Writes the five inputs of about `megabytes` MB into `dir`, and in
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
  lines = NumberedLines(megabytes * 1000 * 1000, random);
  charges << "numbered " << WriteLines(dir / "numbered.txt", lines) << "\n";
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
  std::vector<std::string> old_libraries;
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
    if (std::strcmp(argv[i], "--old-lib") == 0) o.old_libraries.push_back(value);
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

// Every input but the numbered one sorted by its whole line, the ASCII
// random input under a case-insensitive key against GNU sort's -f, and the
// numbered input under its number against sort -n.
std::vector<Row> ReadRows(const fs::path& dir) {
  std::vector<Row> rows;
  std::ifstream charges(dir / "charges.txt");
  std::string name;
  uint64_t charge;
  while (charges >> name >> charge) {
    if (name == "numbered") {
      rows.push_back({name + "/N", name + ".txt", charge, "/N=1,10 ", {"-n"}});
      continue;
    }
    rows.push_back({name, name + ".txt", charge, "", {}});
    if (name == "random") rows.push_back({name + "/C", name + ".txt", charge, "/C=1,0 ", {"-f"}});
  }
  return rows;
}

// Runs `argv` in `folder` after a sync of every file system, untimed.
bench::ChildRun SpawnSynced(const std::vector<std::string>& argv, const fs::path& folder,
                            const std::vector<std::string>& env) {
  ::sync();
  return Spawn(argv, folder, env);
}

// The two files hold the same bytes.
bool SameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

// The timings of one sort over the rounds.
struct Timed {
  std::vector<double> seconds;
  double peak = 0;
  void Add(const bench::ChildRun& run) {
    seconds.push_back(run.seconds);
    peak = std::max(peak, run.peak_mib);
  }
};

// Times one row at one budget in interleaved rounds, prints its line; false
// when a sort failed or the outputs differ.
bool RunRow(const Row& row, uint64_t budget, const Options& o, const fs::path& dir,
            const std::string& self, const std::vector<std::string>& env) {
  const std::string kib = std::to_string(budget / 1024);
  const std::string command = "/Q /M=" + kib + " /T=work " + row.keys + row.input;
  std::vector<std::string> gnu_sort = {"sort", "--parallel=1"};
  gnu_sort.insert(gnu_sort.end(), row.gnu_options.begin(), row.gnu_options.end());
  gnu_sort.insert(gnu_sort.end(), {"-S", kib + "K", "-T", "work", "-o", "gnu.out", row.input});
  const size_t olds = o.old_libraries.size();
  Timed lib, gnu, durable;
  std::vector<Timed> old(olds);
  auto old_out = [](size_t k) { return "old" + std::to_string(k + 1) + ".out"; };
  bool ok = true;
  for (int round = 0; round < o.pairs; ++round) {
    fs::remove(dir / "lib.out");
    fs::remove(dir / "gnu.out");
    for (size_t k = 0; k < olds; ++k) fs::remove(dir / old_out(k));
    const size_t sorts = 2 + olds;
    for (size_t i = 0; i < sorts; ++i) {
      const size_t which = (i + static_cast<size_t>(round)) % sorts;
      if (which == 0) {
        const bench::ChildRun run =
            SpawnSynced({self, "--child", o.library, command + " lib.out"}, dir, env);
        ok = ok && run.ok;
        lib.Add(run);
      } else if (which == 1) {
        bench::ChildRun run = SpawnSynced(gnu_sort, dir, env);
        ok = ok && run.ok;
        gnu.Add(run);
        const bench::ChildRun sync = Spawn({"sync", "gnu.out"}, dir, env);
        ok = ok && sync.ok;
        run.seconds += sync.seconds;
        durable.Add(run);
      } else {
        const size_t k = which - 2;
        const bench::ChildRun run = SpawnSynced(
            {self, "--child", o.old_libraries[k], command + " " + old_out(k)}, dir, env);
        ok = ok && run.ok;
        old[k].Add(run);
      }
    }
  }
  bool same = ok && SameLines(dir / "lib.out", dir / "gnu.out");
  for (size_t k = 0; k < olds; ++k) same = same && SameBytes(dir / "lib.out", dir / old_out(k));
  const double cap = 1.25 * static_cast<double>(budget) / kMiB + 8;
  const double l = bench::Median(lib.seconds), g = bench::Median(gnu.seconds);
  const double d = bench::Median(durable.seconds);
  std::printf("%-10s %5" PRIu64 "Mi %8.3f %8.3f %8.3f %6.2f %6.2f", row.name.c_str(), budget / kMiB,
              l, g, d, l / g, l / d);
  for (const Timed& t : old) {
    const double m = bench::Median(t.seconds);
    std::printf(" %8.3f %6.2f %6.2f %6.2f", m, m / g, m / d, l / m);
  }
  std::printf(" %7.1f %7.1f %7.1f %s\n", lib.peak, gnu.peak, cap, same ? "same" : "DIFFERENT");
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
  std::printf("%" PRIu64 " MB inputs in %s; library %s; %d rounds; load average %s\n", o.megabytes,
              dir.c_str(), o.library.c_str(), o.pairs, bench::LoadAverage().c_str());
  for (size_t k = 0; k < o.old_libraries.size(); ++k) {
    std::printf("old library o%zu: %s\n", k + 1, o.old_libraries[k].c_str());
  }
  // g: GNU sort; d: GNU sort and a sync of its output; oN: an old library.
  std::printf("%-10s %7s %8s %8s %8s %6s %6s", "input", "budget", "lib s", "g s", "d s", "lib/g",
              "lib/d");
  for (size_t k = 1; k <= o.old_libraries.size(); ++k) {
    const std::string n = "o" + std::to_string(k);
    std::printf(" %8s %6s %6s %6s", (n + " s").c_str(), (n + "/g").c_str(), (n + "/d").c_str(),
                ("lib/" + n).c_str());
  }
  std::printf(" %7s %7s %7s %s\n", "lib MiB", "gnu MiB", "RSS cap", "check");
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
