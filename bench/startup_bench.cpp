// Start-up of quarvel-orbix beside a bare Qt Widgets window: each run forks and execs the
// program with QUARVEL_FIRST_PAINT_FD set to the write end of a pipe; the program writes a
// line there once its main window is first painted, then quits. The time is the monotonic
// clock from just before fork to the line's arrival; the memory is the child's peak
// resident set (ru_maxrss from wait4). The programs take turns run by run, and which of
// them goes first rotates too. A third series, the bare window with the game's fonts,
// tells how much of the difference the fonts make. Then the game alone with a saved.dat of
// 10^3 to 10^6 lines in its data folder.
//
//   quarvel_startup_bench --program PATH --bare PATH [--platform offscreen] [--runs 51]
//                         [--scaling-runs 21] [--no-scaling]
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

struct Run {
  double ms = 0;
  double cpuMs = 0;  // user and system time of the whole run, first paint and exit included
  long maxRssKiB = 0;
};

// A program to launch, with its arguments.
struct Command {
  std::string label;
  std::string path;
  std::vector<std::string> arguments;
};

struct Options {
  std::string program;
  std::string bare;
  std::string platform = "offscreen";
  int runs = 51;  // short runs on a busy machine scatter; many steady the medians
  int scalingRuns = 21;
  bool scaling = true;
};

double NowMs() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

[[noreturn]] void Die(const std::string& what) {
  std::cerr << "quarvel_startup_bench: " << what << '\n';
  std::exit(1);
}

// One launch in `folder`; nothing when the child did not report its first paint.
std::optional<Run> Launch(const Command& command, const Options& options, const fs::path& folder,
                          const fs::path& errorLog) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(command.path.c_str()));
  for (const std::string& argument : command.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) Die("pipe: " + std::string(std::strerror(errno)));
  const int readEnd = pipeFds[0];
  const int writeEnd = pipeFds[1];
  ::fcntl(readEnd, F_SETFD, FD_CLOEXEC);
  const std::string fdValue = std::to_string(writeEnd);
  const std::string dataHome = folder.parent_path().string();

  const double start = NowMs();
  const pid_t pid = ::fork();
  if (pid < 0) Die("fork: " + std::string(std::strerror(errno)));
  if (pid == 0) {
    ::setenv("QUARVEL_FIRST_PAINT_FD", fdValue.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", options.platform.c_str(), 1);
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);  // the data folder, wherever the game looks
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    const int devNull = ::open("/dev/null", O_WRONLY);
    const int log = ::open(errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (devNull >= 0) ::dup2(devNull, STDOUT_FILENO);
    if (log >= 0) ::dup2(log, STDERR_FILENO);
    ::execv(command.path.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(writeEnd);

  std::string received;
  double painted = -1;
  for (;;) {
    pollfd watch{readEnd, POLLIN, 0};
    const int ready = ::poll(&watch, 1, 60000);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      ::kill(pid, SIGKILL);  // hung: no paint within a minute
      break;
    }
    char buffer[64];
    const ssize_t n = ::read(readEnd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    received.append(buffer, static_cast<std::size_t>(n));
    if (received.find('\n') != std::string::npos) {
      painted = NowMs();
      break;
    }
  }
  ::close(readEnd);

  int status = 0;
  rusage usage{};
  while (::wait4(pid, &status, 0, &usage) < 0)
    if (errno != EINTR) Die("wait4: " + std::string(std::strerror(errno)));
  if (painted < 0 || received != "painted\n") return std::nullopt;
  const auto millis = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return Run{painted - start, millis(usage.ru_utime) + millis(usage.ru_stime), usage.ru_maxrss};
}

Run LaunchOrDie(const Command& command, const Options& options, const fs::path& folder) {
  const fs::path errorLog = folder.parent_path() / "stderr.txt";
  if (auto run = Launch(command, options, folder, errorLog)) return *run;
  std::ifstream log(errorLog);
  std::stringstream text;
  text << log.rdbuf();
  Die(command.path + " did not report its first paint; its error output:\n" + text.str());
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
  double medianMs = 0;
  double minMs = 0;
  double maxMs = 0;
  double medianCpuMs = 0;
  double medianRssMiB = 0;
};

Summary Summarise(const std::vector<Run>& runs) {
  std::vector<double> ms;
  std::vector<double> cpu;
  std::vector<double> rss;
  for (const Run& run : runs) {
    ms.push_back(run.ms);
    cpu.push_back(run.cpuMs);
    rss.push_back(static_cast<double>(run.maxRssKiB) / 1024.0);
  }
  return {Median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()), Median(cpu),
          Median(rss)};
}

void PrintHeader() { std::printf("  %-44s %10s %22s %9s %10s\n", "", "to paint", "(min, max)", "cpu", "peak RSS"); }

void PrintRow(const std::string& name, const Summary& s) {
  std::printf("  %-44s %7.1f ms  (min %6.1f, max %6.1f) %6.1f ms %6.1f MiB\n", name.c_str(), s.medianMs, s.minMs,
              s.maxMs, s.medianCpuMs, s.medianRssMiB);
}

// saved.dat is written by a short-lived child, so the launcher stays small: a forked
// child starts from the launcher's peak memory, which would count in its ru_maxrss.
void WriteSavedGamesApart(const fs::path& folder, std::int64_t lines) {
  const pid_t pid = ::fork();
  if (pid < 0) Die("fork: " + std::string(std::strerror(errno)));
  if (pid == 0) {
    quarvel::bench::WriteSavedGames(folder, lines);
    ::_exit(0);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) Die("waitpid: " + std::string(std::strerror(errno)));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Die("could not write saved.dat");
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) Die("missing value after " + arg);
      return argv[++i];
    };
    if (arg == "--program")
      options.program = value();
    else if (arg == "--bare")
      options.bare = value();
    else if (arg == "--platform")
      options.platform = value();
    else if (arg == "--runs")
      options.runs = std::atoi(value().c_str());
    else if (arg == "--scaling-runs")
      options.scalingRuns = std::atoi(value().c_str());
    else if (arg == "--no-scaling")
      options.scaling = false;
    else
      Die("unknown argument " + arg);
  }
  if (options.program.empty() || options.bare.empty()) Die("--program and --bare are required");
  if (options.runs < 1 || options.scalingRuns < 1) Die("run counts must be positive");
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = ParseOptions(argc, argv);
  options.program = fs::absolute(options.program).string();  // runs start in the data folder
  options.bare = fs::absolute(options.bare).string();
  char pattern[] = "/tmp/quarvel-startup-XXXXXX";
  if (!::mkdtemp(pattern)) Die("mkdtemp: " + std::string(std::strerror(errno)));
  const fs::path root = pattern;
  // Data folders named as the game's own, each under a folder that stands for XDG_DATA_HOME.
  const fs::path folder = root / "plain" / "quarvel-orbix";
  const fs::path savedFolder = root / "saved" / "quarvel-orbix";
  for (const fs::path& f : {folder, savedFolder}) {
    fs::create_directories(f);
    std::ofstream(f / "quarvel.dat", std::ios::binary) << quarvel::bench::kSolvedHomeFile;
  }

  std::printf("Start-up until the main window is first painted, QT_QPA_PLATFORM=%s\n", options.platform.c_str());
  std::printf("  %d runs each, taking turns in rotating order, after one discarded warm-up run each; medians\n",
              options.runs);

  const std::vector<Command> commands = {
      {"quarvel-orbix", options.program, {}},
      {"bare Qt window (bench/bare_window.cpp)", options.bare, {}},
      {"bare Qt window with the game's fonts", options.bare, {"--game-fonts"}},
  };
  for (const Command& command : commands) LaunchOrDie(command, options, folder);
  std::vector<std::vector<Run>> runs(commands.size());
  for (int i = 0; i < options.runs; ++i)
    for (std::size_t k = 0; k < commands.size(); ++k) {
      const std::size_t which = (k + static_cast<std::size_t>(i)) % commands.size();
      runs[which].push_back(LaunchOrDie(commands[which], options, folder));
    }
  std::vector<Summary> summaries;
  PrintHeader();
  for (std::size_t k = 0; k < commands.size(); ++k) {
    summaries.push_back(Summarise(runs[k]));
    PrintRow(commands[k].label, summaries.back());
  }
  const Summary& g = summaries[0];
  const Summary& b = summaries[1];
  const Summary& f = summaries[2];
  std::printf("  ratio quarvel-orbix / bare window: time %.2f, cpu %.2f, peak memory %.2f\n", g.medianMs / b.medianMs,
              g.medianCpuMs / b.medianCpuMs, g.medianRssMiB / b.medianRssMiB);
  std::printf("  ratio bare window with the game's fonts / bare window: time %.2f, cpu %.2f, peak memory %.2f\n",
              f.medianMs / b.medianMs, f.medianCpuMs / b.medianCpuMs, f.medianRssMiB / b.medianRssMiB);

  if (options.scaling) {
    std::printf(
        "\nStart-up of quarvel-orbix with a saved.dat of N lines, %d runs each taking turns with runs\n"
        "without saved.dat; medians\n",
        options.scalingRuns);
    PrintHeader();
    for (std::int64_t lines = 1000; lines <= 1000000; lines *= 10) {
      WriteSavedGamesApart(savedFolder, lines);
      std::vector<Run> with;
      std::vector<Run> without;
      for (int i = 0; i < options.scalingRuns; ++i) {
        with.push_back(LaunchOrDie(commands[0], options, savedFolder));
        without.push_back(LaunchOrDie(commands[0], options, folder));
      }
      const Summary w = Summarise(with);
      PrintRow("saved.dat of " + std::to_string(lines) + " lines", w);
      PrintRow("  no saved.dat, taking turns with it", Summarise(without));
    }
  }

  rusage self{};
  ::getrusage(RUSAGE_SELF, &self);
  std::printf("  (the launcher's own peak, which a forked child starts from: %.1f MiB)\n",
              static_cast<double>(self.ru_maxrss) / 1024.0);
  fs::remove_all(root);
  return 0;
}
