#pragma once
// Scripted platform services: a clock that moves only when told, queued values and
// answers, and a transcript of what was shown.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "core/translator.h"
#include "platform/system_clock.h"

namespace quarvel {

class ScriptedClock : public Clock {
 public:
  explicit ScriptedClock(DateTime start) : wall_(start) {}
  DateTime Now() override { return wall_; }
  std::int64_t MonotonicMs() override { return monotonicMs_; }
  std::string MonthAbbreviation(int month) override;

  // Time passes: both clocks move on.
  void Advance(std::int64_t seconds) {
    wall_ += static_cast<double>(seconds) / 86400.0;
    monotonicMs_ += seconds * 1000;
  }
  // The system clock is set; durations are not changed by it.
  void SetWall(DateTime value) { wall_ = value; }

 private:
  DateTime wall_;
  std::int64_t monotonicMs_ = 0;
};

// The system's generator with a fixed seed, so that runs deal the same games.
class SeededGenerator : public UniformGenerator {
 public:
  explicit SeededGenerator(std::uint64_t seed) : seed_(seed), engine_(seed) {}
  double Next() override { return UnitInterval(engine_()); }
  void ReseedFromClock() override { engine_.seed(seed_); }

 private:
  std::uint64_t seed_;
  std::mt19937_64 engine_;
};

// Hands out queued values, then falls back to a fixed value.
class ScriptedGenerator : public UniformGenerator {
 public:
  std::deque<double> values;
  double fallback = 0.5;
  int reseeds = 0;
  double Next() override;
  void ReseedFromClock() override { ++reseeds; }
};

// A draw source that hands out queued values, then a fixed one.
class ScriptedDrawList : public DrawSource {
 public:
  std::deque<double> values;
  double fallback = 0;
  int reseeds = 0;
  double ShuffledRandom(std::int16_t reseed) override;
};

// The next draws of a source are queued values; when they run out the source itself
// takes over again.
class QueuedDrawSource : public DrawSource {
 public:
  explicit QueuedDrawSource(DrawSource& fallback) : fallback_(fallback) {}
  double ShuffledRandom(std::int16_t reseed) override;
  void Queue(double value) { queued_.push_back(value); }

 private:
  DrawSource& fallback_;
  std::deque<double> queued_;
};

// A player who answers every box shown, in order: records it, and answers an input box
// with the next queued answer (nothing queued: cancel), any other box with OK.
class ScriptedDialogs {
 public:
  std::vector<std::string> transcript;  // "message TITLE|TEXT", "input TITLE|PROMPT|LEFT,TOP|ANSWER", "failure TEXT"
  std::deque<std::optional<std::string>> answers;

  BoxAnswer Answer(const Box& box);
};

class ScriptedWindowSystem : public WindowSystem {
 public:
  std::vector<PointerShape> pointers;
  std::vector<int> focusedTiles;
  void SetPointer(PointerShape shape) override { pointers.push_back(shape); }
  void FocusTile(int tile) override { focusedTiles.push_back(tile); }
};

// Records the requests for shortest solutions; answers none by itself.
class ScriptedShortestSolutions : public ShortestSolutionService {
 public:
  std::vector<std::pair<std::uint64_t, Position>> requests;
  int cancels = 0;
  void Request(std::uint64_t game, const Position& start) override { requests.emplace_back(game, start); }
  void Cancel() override { ++cancels; }
};

// Files held in memory; a name listed in `failing` makes every operation on it fail.
class MemoryFileStore : public FileStore {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> failing;
  // Every operation asked for, in order: "exists NAME", "read NAME", "rewrite NAME",
  // "remove NAME".
  std::vector<std::string> operations;

  bool Exists(const std::string& name) override {
    operations.push_back("exists " + name);
    return files.count(name) > 0;
  }
  std::optional<std::string> Read(const std::string& name, std::uint64_t limit, bool followLinks) override;
  void Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit, const Change& change) override;
  void Remove(const std::string& name) override;
  std::string Folder() override { return "/memory"; }
  // Changes wait to be stored until the test says they are (as the page's storage does).
  bool storing = false;
  bool Storing() override { return storing; }
  // False for a store that keeps nothing (a browser refusing the page its storage).
  bool keeps = true;
  bool KeepsRecords() override { return keeps; }
  using FileStore::Read;
};

// Translations from a table, by context ("" for none) and English text; a counted text is
// found by its form for one and has a form for 1 and one for every other count.
class ScriptedTranslator : public Translator {
 public:
  std::map<std::pair<std::string, std::string>, std::vector<std::string>> texts;

  std::string_view Translate(const char* context, const char* english) override;
  std::string_view TranslateCounted(const char* context, const char* one, const char* many,
                                    unsigned long count) override;
};

}  // namespace quarvel
