// Drives the game's record handlers (Save Game # and the Hall of Fame entry) on a data
// folder in a loop, for the crash and concurrency tests.
//
//   record_writer FOLDER MODE COUNT SEED ID LOG [--wait] [--check]
//
// MODE is save, fame or both (a save, then an entry, each round); COUNT rounds, 0 for no
// end. Before each operation one line goes to LOG ("save NUMBER" or "fame NAME NUMBER
// TIME"), so that a test that kills the writer knows which operations were begun. "ready"
// on standard output tells that the loop is about to start; --wait then waits for one
// byte on standard input first. --check verifies after each entry that no entry of this
// writer has gone from Fame.dat while a slower one stays.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/game_number.h"
#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "support/fixtures.h"
#include "ui/game_completion.h"
#include "ui/save_game.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

[[noreturn]] void Die(const std::string& why) {
  std::fprintf(stderr, "record_writer: %s\n", why.c_str());
  std::exit(3);
}

void WriteLine(int fd, const std::string& line) {
  const std::string text = line + "\n";
  if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) Die("cannot write the log");
}

struct Entry {
  std::string name;
  double time;
};

// Every entry of this writer is still listed, unless the list is full of faster ones.
void CheckOwnEntries(FileStore& files, const std::vector<Entry>& own) {
  const auto content = files.Read(kFameFile);
  if (!content) Die("Fame.dat is missing after an entry");
  const auto entries = ParseFameFile(*content);
  for (const Entry& e : own) {
    bool listed = false;
    for (const FameEntry& f : entries) listed = listed || (f.Name == e.name && f.Time == e.time);
    const bool pushedOut = entries.size() >= static_cast<std::size_t>(kMaxFameEntries) && entries.back().Time < e.time;
    if (!listed && !pushedOut) Die("entry " + e.name + " was lost");
  }
}

int Run(int argc, char** argv) {
  if (argc < 7) Die("usage: record_writer FOLDER MODE COUNT SEED ID LOG [--wait] [--check]");
  const std::string folder = argv[1], mode = argv[2];
  const long count = std::atol(argv[3]);
  const unsigned long seed = std::strtoul(argv[4], nullptr, 10);
  const int id = std::atoi(argv[5]);
  bool wait = false, check = false;
  for (int i = 7; i < argc; ++i) {
    wait = wait || std::string(argv[i]) == "--wait";
    check = check || std::string(argv[i]) == "--check";
  }
  const bool saves = mode == "save" || mode == "both", entries = mode == "fame" || mode == "both";
  if (!saves && !entries) Die("unknown mode " + mode);

  const int log = ::open(argv[6], O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (log < 0) Die("cannot open the log");
  ::alarm(300);  // a writer that hangs on a lock ends with SIGALRM, not silently

  ScriptedClock clock(testing::ScriptedStart());
  Boxes boxes;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windows;
  ScriptedDrawList draws;
  DirectoryFileStore files(folder);
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windows, files, draws, shortest};
  const auto answerBoxes = [&] {
    while (const Box* box = boxes.Up()) {
      const BoxAnswer answer = dialogs.Answer(*box);
      if (const Boxes::Then then = boxes.Close()) then(answer);
    }
  };
  SolverGame state;
  FameSummary fame;
  MainWindowState mainWindow;
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<std::uint64_t> numbers(0, kLargestGameNumber);
  std::uniform_int_distribution<std::uint64_t> seconds(0, 3599);
  std::uniform_int_distribution<std::uint64_t> fractions(0, 999'999'999);
  std::set<double> usedTimes;
  std::vector<Entry> own;

  WriteLine(1, "ready");
  if (wait) {
    char go;
    if (::read(0, &go, 1) != 1) Die("no start signal");
  }
  for (long round = 0; count == 0 || round < count; ++round) {
    dialogs.transcript.clear();
    if (saves) {
      const std::string number = std::to_string(numbers(random));
      WriteLine(log, "save " + number);
      state.playedGameNumber = number;
      mainWindow.enabled.save = true;
      SaveGame(state, mainWindow, services);
      answerBoxes();
      if (dialogs.transcript.empty() || dialogs.transcript.back() != "message Success!|Game # successfully saved.")
        Die("Save did not confirm");
    }
    if (entries) {
      // With --check every time is distinct and tells the writer (odd or even), so that
      // the expected list is one; without it times are whole seconds and may tie.
      double time = static_cast<double>(seconds(random)) / 86400.0;
      if (check) {
        do time = static_cast<double>(2 * fractions(random) + static_cast<std::uint64_t>(id & 1)) / 48e9;
        while (!usedTimes.insert(time).second);
      }
      const std::string name = std::string("P").append(std::to_string(id)).append("-").append(std::to_string(round));
      state.playedGameNumber = std::to_string(numbers(random));
      WriteLine(log, "fame " + name + " " + state.playedGameNumber + " " + FormatFameTime(time));
      InsertFameEntry(fame, services, state.playedGameNumber, name, time);
      own.push_back({name, time});
      if (check) CheckOwnEntries(files, own);
    }
  }
  return 0;
}

}  // namespace
}  // namespace quarvel

int main(int argc, char** argv) {
  try {
    return quarvel::Run(argc, argv);
  } catch (const quarvel::FileFailure& failure) {
    quarvel::Die(quarvel::FailureText(failure));
  }
}
