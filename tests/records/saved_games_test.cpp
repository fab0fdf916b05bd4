#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "records/saved_games_file.h"
#include "records/utf8.h"
#include "support/deal_draws.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;

// A started program with a fresh game dealt, so that Save is enabled.
void StartAndDeal(Harness& h) {
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.Send(EventId::NewGame));
  ASSERT_TRUE(h.window().enabled.save);
}

// Deals each game in turn and saves it.
void SaveEach(Harness& h, const std::vector<std::string>& numbers) {
  for (const std::string& number : numbers) {
    if (!h.window().enabled.newGame) h.Send(EventId::GiveUp);
    h.draws.values = testing::DrawsDealing(number);
    ASSERT_TRUE(h.Send(EventId::NewGame));
    ASSERT_EQ(h.window().gameNumberText, number);
    ASSERT_TRUE(h.Send(EventId::Save));
  }
}

TEST(SavedGamesFile, ShorterFirstThenByCharacterCodeEqualOnesTogether) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"907", "32", "123456789"}, "32\r\n907\r\n123456789\r\n"},
      {{"10", "9"}, "9\r\n10\r\n"},
      {{"32", "907", "32"}, "32\r\n32\r\n907\r\n"},
      {{"0", "10461394943999", "0"}, "0\r\n0\r\n10461394943999\r\n"},
  };
  for (const auto& [numbers, file] : cases) {
    Harness h;
    ASSERT_TRUE(h.Start());
    SaveEach(h, numbers);
    EXPECT_EQ(h.files.files.at("saved.dat"), file) << numbers.front();
  }
}

TEST(SavedGamesFile, OldFilesOfEveryShapeAreRewrittenWithCrLf) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "55\r\n"},
      {"10\r\n200", "10\r\n55\r\n200\r\n"},
      {"10\n200\n", "10\r\n55\r\n200\r\n"},
      {"10\r200\r", "10\r\n55\r\n200\r\n"},
      {"55\r\n\r\n7\r\n", "55\r\n7\r\n55\r\n"},  // taken in its own order; empty lines dropped
  };
  for (const auto& [old, expected] : cases) {
    Harness h;
    h.files.files["saved.dat"] = old;
    ASSERT_TRUE(h.Start());
    SaveEach(h, {"55"});
    EXPECT_EQ(h.files.files.at("saved.dat"), expected) << old;
  }
}

// Save splices its line into a file it wrote itself; any file must come out exactly as if
// it had been read line by line and written again.
std::string RewrittenLineByLine(const std::string& text, const std::string& number) {
  auto numbers = ParseSavedGames(ToUtf8Lenient(text));
  InsertSavedGame(numbers, number);
  return FormatSavedGames(numbers);
}

TEST(SavedGamesFile, SplicedSaveMatchesALineByLineRewrite) {
  const std::pair<const char*, const char*> spliced[] = {
      {"10\r\n200\r\n", "9\r\n10\r\n200\r\n"},
      {"8\r\n9\r\n9\r\n10\r\n", "8\r\n9\r\n9\r\n9\r\n10\r\n"},
      {"1\r\n2\r\n", "1\r\n2\r\n9\r\n"},
      {"", "9\r\n"},
  };
  for (const auto& [text, expected] : spliced) EXPECT_EQ(InsertIntoSavedGamesText(text, "9"), expected) << text;

  // Random files: numbers, blank and unterminated lines, every kind of line end, bytes
  // that are not ASCII, a byte order mark.
  const char* pieces[] = {"7",    "9",  "10", "31", "123456", "10461394943999", "\r\n",        "\r\n",
                          "\r\n", "\r", "\n", " ",  "\xE9",   "\xC3\xA9",       "\xEF\xBB\xBF"};
  const char* numbers[] = {"0", "9", "10", "31", "55", "10461394943999"};
  std::mt19937 rng(20260107);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int count = static_cast<int>(rng() % 12);
    const bool tidy = rng() % 2 == 0;  // half of them as Save writes them
    for (int i = 0; i < count; ++i) {
      if (tidy) {
        text += pieces[rng() % 6];
        text += "\r\n";
      } else {
        text += pieces[rng() % std::size(pieces)];
      }
    }
    const std::string number = numbers[rng() % std::size(numbers)];
    ASSERT_EQ(InsertIntoSavedGamesText(text, number), RewrittenLineByLine(text, number))
        << "number " << number << " into " << ::testing::PrintToString(text);
  }
}

TEST(SaveGame, ConfirmsDisablesAndLeavesTheGameAlone) {
  Harness h;
  StartAndDeal(h);
  const GameState before = h.game();
  const MainWindowState beforeWindow = h.window();
  ASSERT_TRUE(h.Send(EventId::Save));
  EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Success!|Game # successfully saved."}));
  EXPECT_FALSE(h.window().enabled.save);
  EnabledCommands expected = beforeWindow.enabled;
  expected.save = false;
  EXPECT_EQ(h.window().enabled, expected);
  EXPECT_EQ(h.game().board.position, before.board.position);
  EXPECT_TRUE(h.game().GameInProgress);
  EXPECT_FALSE(h.Send(EventId::Save));  // a second Save of the same game is impossible
  EXPECT_FALSE(h.files.Exists("temp.dat"));
}

// Save puts the game on the board aside: what was typed into the box since the deal,
// a number, another game's number or anything else, is not stored, and stays in the box.
TEST(SaveGame, StoresTheDealtGameWhateverWasTypedSince) {
  for (const char* text : {"", "   ", " 12a ", "316", " 31 ", "10461394944000", "x\r\n5"}) {
    for (bool withFile : {false, true}) {
      Harness h;
      if (withFile) h.files.files["saved.dat"] = "31\r\n";
      ASSERT_TRUE(h.Start());
      h.draws.values = testing::DrawsDealing(907);
      ASSERT_TRUE(h.Send(EventId::NewGame));
      h.Type(text);
      ASSERT_TRUE(h.Send(EventId::Save));
      EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Success!|Game # successfully saved."}));
      EXPECT_EQ(h.files.files.at("saved.dat"), withFile ? "31\r\n907\r\n" : "907\r\n") << text;
      EXPECT_EQ(h.window().gameNumberText, text);
      EXPECT_FALSE(h.window().enabled.save);
    }
  }
}

TEST(SaveGame, AFailedRewriteIsReportedAndSaveStaysEnabled) {
  for (const char* failing : {"saved.dat", "temp.dat"}) {
    Harness h;
    h.files.files["saved.dat"] = "31\r\n";
    StartAndDeal(h);
    h.files.failing.insert(failing);
    ASSERT_TRUE(h.Send(EventId::Save));
    ASSERT_EQ(h.dialogs.transcript.size(), 1u);
    EXPECT_TRUE(h.dialogs.transcript[0].starts_with("failure The game number was not recorded in saved.dat. Cannot "))
        << h.dialogs.transcript[0];
    EXPECT_NE(h.dialogs.transcript[0].find(failing), std::string::npos);
    EXPECT_TRUE(h.window().enabled.save);
    EXPECT_EQ(h.files.files.at("saved.dat"), "31\r\n");
    // The program goes on.
    h.files.failing.clear();
    ASSERT_TRUE(h.Send(EventId::Save));
    EXPECT_EQ(h.files.files.at("saved.dat"), "0\r\n31\r\n");
  }
}

}  // namespace
}  // namespace quarvel
