// A writer performing Save Game # or Hall of Fame entries is killed at random moments;
// after every kill the file must hold either what it held before the operation under way
// or what it holds after it, whole and in the written format.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "reliability/processes.h"
#include "reliability/record_format.h"
#include "reliability/writer_log.h"

namespace quarvel::testing {
namespace {

constexpr int kKills = 500;
constexpr const char* kDate = "Jan 01, 2026";

struct KillFigures {
  int kills = 0;
  int interrupted = 0;  // the operation under way had not replaced the file
  int scratchLeft = 0;  // a scratch file was left behind
};

// Starts a writer, lets it run for a random while after it is ready (up to 4 ms, one time
// in ten up to 30 ms) and kills it. Returns the operations it logged.
std::vector<LoggedOperation> RunAndKill(const TempFolder& data, const TempFolder& work, const char* mode,
                                        std::mt19937_64& random) {
  const std::string log = work / "log", errors = work / "stderr";
  std::remove(log.c_str());
  Child writer({RECORD_WRITER, data.path(), mode, "0", std::to_string(random()), "0", log}, errors);
  const std::string ready = writer.ReadLine();
  EXPECT_EQ(ready, "ready") << ReadFile(errors).value_or("");
  const int longest = random() % 10 == 0 ? 30000 : 4000;
  std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, longest)(random)));
  writer.Kill();
  const int status = writer.Wait();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
      << "the writer ended by itself: " << DescribeStatus(status) << "\n"
      << ReadFile(errors).value_or("");
  return ParseWriterLog(ReadFile(log).value_or(""));
}

TEST(CrashSafety, SavedGamesFileIsOldOrNewAfterEveryKill) {
  TempFolder data, work;
  std::mt19937_64 random(20260101);
  SavedModel model;
  KillFigures figures;
  for (; figures.kills < kKills && !HasFailure(); ++figures.kills) {
    const auto ops = RunAndKill(data, work, "save", random);
    const SavedModel before = model;
    for (const LoggedOperation& op : ops) model.Save(op.number);  // all done...
    SavedModel interrupted = before;                              // ...or all but the last
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) interrupted.Save(ops[i].number);

    if (std::filesystem::exists(data / kSavedGamesScratchFile)) ++figures.scratchLeft;
    const auto content = ReadFile(data / kSavedGamesFile);
    if (!content) {
      ASSERT_FALSE(interrupted.exists) << "saved.dat vanished after kill " << figures.kills;
      model = interrupted;
      continue;
    }
    std::string why;
    ASSERT_TRUE(CheckSavedFile(*content, why)) << why << " after kill " << figures.kills;
    if (*content != model.Text()) {
      ASSERT_EQ(*content, interrupted.Text()) << "saved.dat is neither old nor new after kill " << figures.kills;
      model = interrupted;
      ++figures.interrupted;
    }
    ASSERT_EQ(ParseSavedGames(*content), model.lines);
  }
  // The next Save goes through whatever scratch file the last kill left.
  const std::string log = work / "log";
  std::remove(log.c_str());
  Child last({RECORD_WRITER, data.path(), "save", "1", "7", "0", log}, work / "stderr");
  EXPECT_EQ(last.ReadLine(), "ready");
  EXPECT_EQ(last.Wait(), 0) << ReadFile(work / "stderr").value_or("");
  model.Save(ParseWriterLog(ReadFile(log).value_or("")).at(0).number);
  EXPECT_EQ(ReadFile(data / kSavedGamesFile), model.Text());
  EXPECT_FALSE(std::filesystem::exists(data / kSavedGamesScratchFile));

  EXPECT_EQ(figures.kills, kKills);
  std::printf("saved.dat: %d kills survived, %d interrupted a Save, %d left temp.dat behind, %zu numbers kept\n",
              figures.kills, figures.interrupted, figures.scratchLeft, model.lines.size());
}

// Compares Fame.dat with the model, strictly and through the game's own reader.
void ExpectFameFile(const std::string& content, const FameModel& model, int kill) {
  std::string why;
  const auto strict = CheckFameFile(content, why);
  ASSERT_TRUE(strict) << why << " after kill " << kill;
  ASSERT_EQ(strict->size(), model.entries.size()) << "after kill " << kill;
  const auto read = ParseFameFile(content);
  ASSERT_EQ(read.size(), model.entries.size());
  for (std::size_t i = 0; i < model.entries.size(); ++i) {
    const auto& m = model.entries[i];
    EXPECT_EQ((*strict)[i].name, m.name);
    EXPECT_EQ((*strict)[i].number, m.number);
    EXPECT_EQ((*strict)[i].time, m.time);
    EXPECT_EQ((*strict)[i].date, kDate);
    EXPECT_EQ(read[i], (FameEntry{m.name, m.number, m.time, kDate}));
  }
}

bool SameEntries(const std::vector<StrictFameLine>& file, const FameModel& model) {
  if (file.size() != model.entries.size()) return false;
  for (std::size_t i = 0; i < file.size(); ++i)
    // Names repeat from one writer to the next, so the number tells entries apart too.
    if (file[i].name != model.entries[i].name || file[i].number != model.entries[i].number ||
        file[i].time != model.entries[i].time)
      return false;
  return true;
}

TEST(CrashSafety, HallOfFameFileIsOldOrNewAfterEveryKill) {
  TempFolder data, work;
  std::mt19937_64 random(20260102);
  FameModel model;
  KillFigures figures;
  int created = 0;
  for (; figures.kills < kKills && !HasFailure(); ++figures.kills) {
    // Now and then the list starts afresh, so that new files are created under kills too
    // and entries keep entering the list.
    if (figures.kills % 25 == 0) {
      std::filesystem::remove(data / kFameFile);
      model = FameModel{};
    }
    const bool existed = model.exists;
    const auto ops = RunAndKill(data, work, "fame", random);
    FameModel interrupted = model;
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) interrupted.Insert(ops[i]);
    for (const LoggedOperation& op : ops) model.Insert(op);

    if (std::filesystem::exists(data / kFameScratchFile)) ++figures.scratchLeft;
    const auto content = ReadFile(data / kFameFile);
    if (!content) {
      ASSERT_FALSE(interrupted.exists) << "Fame.dat vanished after kill " << figures.kills;
      model = interrupted;
      continue;
    }
    if (!existed) ++created;
    std::string why;
    const auto strict = CheckFameFile(*content, why);
    ASSERT_TRUE(strict) << why << " after kill " << figures.kills;
    if (!SameEntries(*strict, model)) {
      model = interrupted;
      ++figures.interrupted;
    }
    ExpectFameFile(*content, model, figures.kills);
  }
  // The next entry goes through whatever scratch file the last kill left.
  const std::string log = work / "log";
  std::remove(log.c_str());
  Child last({RECORD_WRITER, data.path(), "fame", "1", "7", "0", log}, work / "stderr");
  EXPECT_EQ(last.ReadLine(), "ready");
  EXPECT_EQ(last.Wait(), 0) << ReadFile(work / "stderr").value_or("");
  model.Insert(ParseWriterLog(ReadFile(log).value_or("")).at(0));
  ExpectFameFile(ReadFile(data / kFameFile).value_or(""), model, figures.kills);
  EXPECT_FALSE(std::filesystem::exists(data / kFameScratchFile));

  EXPECT_EQ(figures.kills, kKills);
  std::printf("Fame.dat: %d kills survived, %d interrupted an entry, %d left Temp.dat behind, %d created it\n",
              figures.kills, figures.interrupted, figures.scratchLeft, created);
}

}  // namespace
}  // namespace quarvel::testing
