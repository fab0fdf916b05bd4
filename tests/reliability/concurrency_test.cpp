// Two games share one data folder: two writers save game numbers and enter the Hall of
// Fame at the same moments. No number and no entry may be lost.
#include <gtest/gtest.h>

#include <algorithm>

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
        std::vector<std::string>{RECORD_WRITER, data.path(), "both", std::to_string(kRounds),
                                 std::to_string(1000 + id), std::to_string(id), work / LogName(id),
                                 "--wait", "--check"},
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

}  // namespace
}  // namespace quarvel::testing
