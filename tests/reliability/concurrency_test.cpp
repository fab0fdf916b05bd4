// Two games share one data folder: two writers save game numbers and enter the Hall of
// Fame at the same moments. No number and no entry may be lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "reliability/processes.h"
#include "reliability/record_format.h"
#include "reliability/writer_log.h"

namespace quarvel::testing {
namespace {

constexpr int kRounds = 200;  // saves and entries by each writer

std::string LogName(int id) { return std::string("log").append(std::to_string(id)); }
std::string ErrorsName(int id) { return std::string("stderr").append(std::to_string(id)); }

TEST(TwoGamesInOneFolder, NoSavedNumberAndNoHallOfFameEntryIsLost) {
  TempFolder data, work;
  std::vector<std::unique_ptr<Child>> writers;
  for (int id = 0; id < 2; ++id)
    writers.push_back(std::make_unique<Child>(
        std::vector<std::string>{RECORD_WRITER, data.path(), "both", std::to_string(kRounds), std::to_string(1000 + id),
                                 std::to_string(id), work / LogName(id), "--wait", "--check"},
        work / ErrorsName(id)));
  for (auto& w : writers) ASSERT_EQ(w->ReadLine(), "ready");
  for (auto& w : writers) w->Send('g');  // both start at once
  for (int id = 0; id < 2; ++id) {
    const int status = writers[static_cast<std::size_t>(id)]->Wait();
    EXPECT_EQ(status, 0) << "writer " << id << ": " << DescribeStatus(status) << "\n"
                         << ReadFile(work / ErrorsName(id)).value_or("");
  }

  std::vector<std::string> numbers;
  std::vector<LoggedOperation> entries;
  for (int id = 0; id < 2; ++id)
    for (const LoggedOperation& op : ParseWriterLog(ReadFile(work / LogName(id)).value_or("")))
      (op.save ? numbers.push_back(op.number) : entries.push_back(op));
  ASSERT_EQ(numbers.size(), 2u * kRounds);
  ASSERT_EQ(entries.size(), 2u * kRounds);

  // saved.dat holds all 400 numbers, in order.
  SavedModel saved;
  for (const std::string& n : numbers) saved.Save(n);
  const auto savedText = ReadFile(data / kSavedGamesFile);
  ASSERT_TRUE(savedText);
  std::string why;
  EXPECT_TRUE(CheckSavedFile(*savedText, why)) << why;
  EXPECT_EQ(*savedText, saved.Text());

  // Fame.dat holds the 30 fastest of all 400 entries (their times are all distinct).
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.time < b.time; });
  const auto fameText = ReadFile(data / kFameFile);
  ASSERT_TRUE(fameText);
  const auto fame = CheckFameFile(*fameText, why);
  ASSERT_TRUE(fame) << why;
  ASSERT_EQ(fame->size(), 30u);
  for (std::size_t i = 0; i < 30; ++i) {
    EXPECT_EQ((*fame)[i].name, entries[i].name);
    EXPECT_EQ((*fame)[i].number, entries[i].number);
    EXPECT_EQ((*fame)[i].time, entries[i].time);
  }
  EXPECT_FALSE(std::filesystem::exists(data / kSavedGamesScratchFile));
  EXPECT_FALSE(std::filesystem::exists(data / kFameScratchFile));
  std::printf("two writers: %zu saves and %zu entries at the same moments, none lost\n", numbers.size(),
              entries.size());
}

// Eight games in one folder, some of them killed with SIGKILL at random moments: every
// save and entry that a writer completed is in the files afterwards, and nothing else is
// but the one operation each killed writer may have had under way.
TEST(EightGamesInOneFolder, SomeKilledAtRandomEveryCompletedSaveAndEntryIsKept) {
  constexpr int kWriters = 8, kSurvivorRounds = 60;
  TempFolder data, work;
  std::mt19937_64 random(20261207);
  std::vector<bool> killed(kWriters);
  for (int id = 0; id < kWriters; ++id) killed[static_cast<std::size_t>(id)] = id % 2 == 1 || random() % 4 == 0;
  std::vector<std::unique_ptr<Child>> writers;
  for (int id = 0; id < kWriters; ++id)
    writers.push_back(std::make_unique<Child>(
        std::vector<std::string>{RECORD_WRITER, data.path(), "both",
                                 killed[static_cast<std::size_t>(id)] ? "0" : std::to_string(kSurvivorRounds),
                                 std::to_string(2000 + id), std::to_string(id), work / LogName(id), "--wait"},
        work / ErrorsName(id)));
  for (auto& w : writers) ASSERT_EQ(w->ReadLine(), "ready");
  for (auto& w : writers) w->Send('g');
  for (int id = 0; id < kWriters; ++id) {
    if (!killed[static_cast<std::size_t>(id)]) continue;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 120)(random)));
    writers[static_cast<std::size_t>(id)]->Kill();
  }
  for (int id = 0; id < kWriters; ++id) {
    const int status = writers[static_cast<std::size_t>(id)]->Wait();
    if (killed[static_cast<std::size_t>(id)]) {
      EXPECT_TRUE(WIFSIGNALED(status)) << "writer " << id << ": " << DescribeStatus(status);
    } else {
      EXPECT_EQ(status, 0) << "writer " << id << ": " << DescribeStatus(status) << "\n"
                           << ReadFile(work / ErrorsName(id)).value_or("");
    }
  }

  // Completed operations, and the last one of each killed writer, which may or may not be.
  std::multiset<std::string> savesDone, savesMaybe;
  std::vector<LoggedOperation> entriesDone, entriesMaybe;
  for (int id = 0; id < kWriters; ++id) {
    const auto ops = ParseWriterLog(ReadFile(work / LogName(id)).value_or(""));
    for (std::size_t i = 0; i < ops.size(); ++i) {
      const bool maybe = killed[static_cast<std::size_t>(id)] && i + 1 == ops.size();
      if (ops[i].save)
        (maybe ? savesMaybe : savesDone).insert(ops[i].number);
      else
        (maybe ? entriesMaybe : entriesDone).push_back(ops[i]);
    }
  }
  ASSERT_GT(savesDone.size(), static_cast<std::size_t>(kSurvivorRounds));

  std::string why;
  const auto savedText = ReadFile(data / kSavedGamesFile);
  ASSERT_TRUE(savedText);
  const auto saved = CheckSavedFile(*savedText, why);
  ASSERT_TRUE(saved) << why;
  std::multiset<std::string> inFile(saved->begin(), saved->end());
  for (const std::string& n : savesDone) {
    ASSERT_GE(inFile.count(n), savesDone.count(n)) << "saved number " << n << " was lost";
  }
  for (const std::string& n : inFile) {
    EXPECT_LE(inFile.count(n), savesDone.count(n) + savesMaybe.count(n)) << n << " was never saved";
  }

  // Fame.dat: the 30 fastest of the completed entries are all there (whole seconds may tie,
  // so an entry slower than the file's slowest may be pushed out by an equal one).
  const auto fameText = ReadFile(data / kFameFile);
  ASSERT_TRUE(fameText);
  const auto fame = CheckFameFile(*fameText, why);
  ASSERT_TRUE(fame) << why;
  ASSERT_EQ(fame->size(), 30u);
  const double slowest = fame->back().time;
  const auto listed = [&](const LoggedOperation& op) {
    for (const auto& line : *fame)
      if (line.name == op.name && line.number == op.number && line.time == op.time) return true;
    return false;
  };
  int fasterChecked = 0;
  for (const LoggedOperation& op : entriesDone) {
    if (op.time >= slowest) continue;
    ++fasterChecked;
    EXPECT_TRUE(listed(op)) << "entry " << op.name << " was lost";
  }
  for (const auto& line : *fame) {
    bool known = false;
    for (const auto* ops : {&entriesDone, &entriesMaybe})
      for (const LoggedOperation& op : *ops) known = known || (line.name == op.name && line.time == op.time);
    EXPECT_TRUE(known) << line.name << " was never entered";
  }
  std::printf(
      "eight writers, %d killed: %zu saves and %zu entries completed, all kept (%d entries on the list checked)\n",
      static_cast<int>(std::count(killed.begin(), killed.end(), true)), savesDone.size(), entriesDone.size(),
      fasterChecked);
}

}  // namespace
}  // namespace quarvel::testing
