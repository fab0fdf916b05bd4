#pragma once
// The services the game asks of its platform. Each has a real implementation for the
// desktop program and a scripted one for tests and the console.
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/boxes.h"
#include "core/date_time.h"
#include "core/position.h"

namespace quarvel {

class Clock {
 public:
  virtual ~Clock() = default;
  // The wall clock, to whole seconds; it may jump when the system clock is set.
  virtual DateTime Now() = 0;
  // A clock that never goes back, in milliseconds from an arbitrary origin.
  virtual std::int64_t MonotonicMs() = 0;
  // The abbreviated name of month 1..12 for dates written in the Hall of Fame.
  virtual std::string MonthAbbreviation(int month) = 0;
};

// The platform's uniform generator behind the shuffled random source.
class UniformGenerator {
 public:
  virtual ~UniformGenerator() = default;
  virtual double Next() = 0;  // in [0, 1), never 1.0
  virtual void ReseedFromClock() = 0;
};

enum class PointerShape { Default, Hourglass };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual void SetPointer(PointerShape shape) = 0;
  // Gives the keyboard focus to a tile's button.
  virtual void FocusTile(int tile) = 0;
};

// The hourglass pointer while a handler may have to wait, the default one after it.
class HourglassWhile {
 public:
  explicit HourglassWhile(WindowSystem& windows) : windows_(windows) { windows_.SetPointer(PointerShape::Hourglass); }
  HourglassWhile(const HourglassWhile&) = delete;
  HourglassWhile& operator=(const HourglassWhile&) = delete;
  ~HourglassWhile() { windows_.SetPointer(PointerShape::Default); }

 private:
  WindowSystem& windows_;
};

// What a failed file operation was trying to do.
enum class FileAction { Open, Lock, Read, Write, Create, Replace, Delete, Rewrite };

// Why it failed. `System` carries the system's error number.
enum class FileProblem {
  System,
  SymbolicLink,
  NotRegularFile,
  TooLarge,  // larger than the limit it carries
  NotEnoughMemory,
  NoLongerExists,     // gone between two steps of one handler
  FolderInUse,        // another program held the folder's lock too long
  FolderNotWritable,  // the data folder itself cannot be written; `file` is the folder
  Scripted,           // a failure a test asked for
};

// The record a failed rewrite did not change.
enum class LostRecord { None, GameNumber, FameEntry };

// A file operation that failed; it ends the handler that ran it. It says what happened,
// never in words: the windows put it into the player's language.
class FileFailure : public std::exception {
 public:
  FileFailure(FileAction tried, std::string name, FileProblem why, int errorNumber = 0, std::uint64_t bytes = 0)
      : action(tried), file(std::move(name)), problem(why), error(errorNumber), limit(bytes) {}
  const char* what() const noexcept override { return "file operation failed"; }

  FileAction action;
  std::string file;
  FileProblem problem;
  int error;            // errno, for FileProblem::System
  std::uint64_t limit;  // bytes, for FileProblem::TooLarge
  LostRecord lost = LostRecord::None;
  std::string lostIn;  // the record file that was not rewritten
};

// Files in the program's data folder, addressed by bare names. Every failure other than
// a missing file throws FileFailure naming the file and the reason.
class FileStore {
 public:
  static constexpr std::uint64_t kNoLimit = ~std::uint64_t{0};
  virtual ~FileStore() = default;
  virtual bool Exists(const std::string& name) = 0;
  // The whole content; nothing when the file does not exist. A file larger than `limit`
  // bytes is not read: it fails as too large. A symbolic link fails too, unless
  // `followLinks` (for files the program only reads).
  virtual std::optional<std::string> Read(const std::string& name, std::uint64_t limit, bool followLinks) = 0;
  std::optional<std::string> Read(const std::string& name, std::uint64_t limit) { return Read(name, limit, false); }
  std::optional<std::string> Read(const std::string& name) { return Read(name, kNoLimit, false); }
  // Rewrites a file as one step that other processes cannot interleave: `change` gets the
  // current content (nothing when the file does not exist; a file larger than `limit`
  // fails as too large) and returns the new content, which is written to `scratch` and
  // renamed over `name`. An interruption leaves either the old or the new file whole.
  // A store that keeps changes until later (Storing) runs `change` again then, on the
  // content as it stands by then: it must own what it uses and depend on nothing else.
  using Change = std::function<std::string(const std::optional<std::string>&)>;
  virtual void Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit,
                       const Change& change) = 0;
  // Deletes a file; a missing file is not an error.
  virtual void Remove(const std::string& name) = 0;
  // Whether changes made are still on their way to storage. The page's store keeps them
  // until the handler has returned, and its front end then stores them and sends the
  // Stored event; a store that writes as it goes never has any.
  virtual bool Storing() { return false; }
  // False where nothing written is kept (a browser that refuses the page its storage):
  // every change then fails.
  virtual bool KeepsRecords() { return true; }
  // The folder the files are in, as an absolute path, for messages.
  virtual std::string Folder() = 0;
};

// The values New Game's shuffle draws, each in [0, 1). A negative argument reseeds first.
class DrawSource {
 public:
  virtual ~DrawSource() = default;
  virtual double ShuffledRandom(std::int16_t reseed) = 0;
};

// Finds the length of a shortest solution of a game's start position away from the
// handlers, so that the game goes on meanwhile. The length comes back later through the
// program's ReceiveShortestLength, on the handlers' thread; a front end without such a
// search implements this by doing nothing, and no length ever comes.
class ShortestSolutionService {
 public:
  virtual ~ShortestSolutionService() = default;
  // Asks for the length for game `game` (the count of games begun), whose start position
  // can be solved; replaces the request under way.
  virtual void Request(std::uint64_t game, const Position& start) = 0;
  // Drops the request under way: the program is closing.
  virtual void Cancel() = 0;
};

// Everything a handler may ask of the outside world, and the boxes it leaves for it.
struct Services {
  Clock& clock;
  Boxes& boxes;
  WindowSystem& windows;
  FileStore& files;
  DrawSource& random;
  ShortestSolutionService& shortest;
};

}  // namespace quarvel
