// What the benchmarks share: a fresh folder to work in, timing a child
// process (a forked function or a program), and the minimum and median of
// repeated measures.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

// A new folder "<name>-XXXXXX" on the file system $TMPDIR names (/tmp
// without it); empty when it cannot be made.
inline std::filesystem::path FreshFolder(const std::string& name) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

struct ChildRun {
  bool ok = false;
  double seconds = 0;
  double peak_mib = 0;  // the child's peak resident size
};

inline ChildRun WaitTimed(pid_t pid, std::chrono::steady_clock::time_point start) {
  ChildRun run;
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, 0, &usage) < 0) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peak_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// Runs `body` in a forked child, whose exit code it gives; the parent's own
// state is left as it was.
inline ChildRun TimeForked(const std::function<int()>& body) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  if (pid < 0) return {};
  return WaitTimed(pid, start);
}

// Runs the program `argv[0]` (searched on PATH) with `env` (the parent's
// environment when empty).
inline ChildRun TimeProgram(const std::vector<std::string>& argv,
                            const std::vector<std::string>& env = {}) {
  std::vector<char*> args, envp;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(),
                     env.empty() ? environ : envp.data()) != 0) {
    return {};
  }
  return WaitTimed(pid, start);
}

inline double Min(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The machine's load averages, as uptime shows them.
inline std::string LoadAverage() {
  double load[3] = {0, 0, 0};
  if (::getloadavg(load, 3) != 3) return "unknown";
  char text[64];
  std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
  return text;
}

}  // namespace bench
