#include "ui/game_completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records_support.h"
#include "support/board_text.h"

namespace quarvel {
namespace {

using testing::DealNearlySolved;
using testing::Harness;
using testing::kNamePrompt;
using testing::WinAfter;

using Transcript = std::vector<std::string>;

std::string Congratulation(const std::string& time) {
  return "message Congratulations!|Congratulations, your winning time was " + time;
}

TEST(CongratulationText, WorkedExamplesAndTotalHours) {
  const std::pair<HoursMinutesSeconds, const char*> cases[] = {
      {{0, 4, 37}, " 4 minutes 37 seconds."},        {{0, 1, 1}, " 1 minute 1 second."},
      {{0, 0, 59}, " 0 minutes 59 seconds."},        {{1, 0, 0}, "1 hour 0 minutes 0 seconds."},
      {{2, 10, 5}, "2 hours 10 minutes 5 seconds."}, {{24, 5, 0}, "24 hours 5 minutes 0 seconds."},
      {{0, 0, 1}, " 0 minutes 1 second."},           {{0, 0, 0}, " 0 minutes 0 seconds."},
      {{0, 3, 0}, " 3 minutes 0 seconds."},          {{1, 0, 7}, "1 hour 0 minutes 7 seconds."}};
  for (const auto& [time, tail] : cases)
    EXPECT_EQ(CongratulationText(time), std::string("Congratulations, your winning time was ") + tail);
}

TEST(QualifiesForFame, UnderAnHourAndFasterThanTheSlowestOrRoomLeft) {
  struct Case {
    std::int64_t hours;
    double time;
    int count;
    double slowest;
    bool qualifies;
  };
  const Case cases[] = {
      {0, 0.04, 0, 9999, true},    // no Fame.dat
      {0, 0.04, 0, 0, true},       // empty Fame.dat
      {0, 0.04, 29, 0.01, true},   // room left, whatever the times
      {0, 0.01, 30, 0.02, true},   // faster than the slowest of a full list
      {0, 0.02, 30, 0.02, false},  // equal to the slowest: strict
      {0, 0.03, 30, 0.02, false},
      {0, 0.02, 31, 0.02, false},  // a hand-edited longer list
      {1, 0.04, 0, 9999, false},   // an hour or more never qualifies
      {24, 1.0 + 1 / 24.0, 0, 9999, false},
  };
  for (const Case& c : cases) {
    FameSummary state;
    state.FameCount = static_cast<std::int16_t>(c.count);
    state.SlowestFameTime = c.slowest;
    EXPECT_EQ(QualifiesForFame(c.hours, c.time, state), c.qualifies)
        << c.hours << " h, " << c.time << ", " << c.count << " entries, slowest " << c.slowest;
  }
}

TEST(CompleteGame, AWinWithHelpEndsWithTheGameOverNoticeOnly) {
  Harness h;
  ProgramState state;
  MainWindowState window;
  state.game.GameInProgress = true;
  state.game.SolverUsed = true;
  window.clockText = "";
  window.enabled = {false, true, false, true, false, true, false};
  h.clock.Advance(60);
  CompleteGame(state, window, h.services);
  h.AnswerBoxes();
  EXPECT_EQ(h.dialogs.transcript, Transcript{"message Game Over!|Game completed with help from Show Me! routine."});
  EXPECT_FALSE(state.game.SolverUsed);
  EXPECT_FALSE(state.game.GameInProgress);
  EXPECT_EQ(window.clockText, "");
  const EnabledCommands expected{true, false, false, false, true, true, true};  // Save and Hall of Fame kept
  EXPECT_EQ(window.enabled, expected);
  EXPECT_TRUE(h.files.files.count("Fame.dat") == 0);
}

TEST(CompleteGame, HelpThenThePlayersOwnLastMoveStillEndsWithGameOver) {
  Harness h;
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  h.clock.Advance(20);
  ASSERT_TRUE(h.Send(EventId::ShowMe));  // slides 14 home
  ASSERT_EQ(testing::RowsOf(h.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  h.dialogs.answers.push_back("Ann");
  h.Tile(15);
  EXPECT_EQ(h.dialogs.transcript, Transcript{"message Game Over!|Game completed with help from Show Me! routine."});
  EXPECT_FALSE(h.game().SolverUsed);
  EXPECT_EQ(h.window().clockText, "");
  EXPECT_EQ(h.files.files.count("Fame.dat"), 0u);

  // The next game, won without help, enters the list again.
  h.dialogs.transcript.clear();
  DealNearlySolved(h);
  WinAfter(h, 5);
  EXPECT_EQ(h.dialogs.transcript.size(), 2u);
  EXPECT_EQ(h.files.files.count("Fame.dat"), 1u);
}

TEST(CompleteGame, AnUnaidedWinIsTimedCongratulatedAndEntered) {
  Harness h;
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  h.dialogs.answers.push_back("Ann");
  WinAfter(h, 103);
  EXPECT_EQ(h.dialogs.transcript,
            (Transcript{Congratulation(" 1 minute 43 seconds."), std::string(kNamePrompt) + "Ann"}));
  const ProgramState& s = h.state();
  EXPECT_EQ(h.window().clockText, " 00:01:43");
  const EnabledCommands expected{true, false, true, false, true, true, true};  // Save kept from New Game
  EXPECT_EQ(h.window().enabled, expected);
  EXPECT_EQ(h.files.files.at("Fame.dat"), "\"Ann\",\"2\",0.0011921296296296296,\"Jan 01, 2026\"\r\n");
  EXPECT_EQ(s.fame.FameCount, 1);
  EXPECT_EQ(s.fame.SlowestFameTime, 103 / 86400.0);
  // The final time stays in the box.
  h.clock.Advance(5);
  h.Send(EventId::Tick);
  EXPECT_EQ(h.window().clockText, " 00:01:43");
}

TEST(CompleteGame, DurationsComeFromTheMonotonicClockInTotalHours) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {3599, " 59 minutes 59 seconds."},
      {3600, "1 hour 0 minutes 0 seconds."},
      {24 * 3600 + 5 * 60, "24 hours 5 minutes 0 seconds."},
  };
  for (const auto& [seconds, text] : cases) {
    Harness h;
    ASSERT_TRUE(h.Start());
    DealNearlySolved(h);
    h.clock.SetWall(ToDateTime({2020, 6, 1, 0, 0, 0}));  // setting the system clock changes no duration
    h.dialogs.answers.push_back("Ann");
    WinAfter(h, seconds);
    ASSERT_FALSE(h.dialogs.transcript.empty());
    EXPECT_EQ(h.dialogs.transcript[0], Congratulation(text));
    const bool asked = seconds < 3600;
    EXPECT_EQ(h.dialogs.transcript.size(), asked ? 2u : 1u) << seconds;
    EXPECT_EQ(h.files.files.count("Fame.dat"), asked ? 1u : 0u);
    if (seconds == 24 * 3600 + 5 * 60) {
      EXPECT_EQ(h.window().clockText, " 24:05:00");
    }
    if (asked) {
      EXPECT_TRUE(h.files.files.at("Fame.dat").ends_with(",\"Jun 01, 2020\"\r\n"));
    }
  }
}

// The answers to the name prompt, and the name stored (empty: no entry).
struct NameCase {
  std::vector<std::optional<std::string>> answers;
  Transcript after;  // what follows the congratulation
  std::string stored;
};

TEST(CompleteGame, NamePrompt) {
  const std::string p = kNamePrompt;
  const std::string tooLong = "message Error!|The name you provide must contain fewer than 15 characters.";
  const std::string quote = "message Error!|The name you provide must not contain double quotes.";
  const std::string control =
      "message Error!|The name you provide must not contain line breaks or other control characters.";
  const std::string e14(14, 'e'), e15(15, 'e');
  std::string accents14, accents15;  // two bytes a character
  for (int k = 0; k < 14; ++k) accents14 += "\xC3\xA9";
  accents15 = accents14 + "\xC3\xA9";
  const std::string e(10, 'e');
  std::vector<NameCase> cases = {
      {{e14}, {p + e14}, e14},
      {{e15, "Bo"}, {p + e15, tooLong, p + "Bo"}, "Bo"},
      {{"a\"b", "Bo"}, {p + "a\"b", quote, p + "Bo"}, "Bo"},
      {{"\"" + e14, "Bo"}, {p + "\"" + e14, tooLong, p + "Bo"}, "Bo"},  // length is tested first
      {{e15, std::nullopt}, {p + e15, tooLong, p + "<cancel>"}, ""},
      {{e15, ""}, {p + e15, tooLong, p}, ""},
      {{std::nullopt}, {p + "<cancel>"}, ""},
      {{""}, {p}, ""},
      {{"   "}, {p + "   "}, "   "},
      {{" Ann "}, {p + " Ann "}, " Ann "},
      {{accents14}, {p + accents14}, accents14},
      {{accents15, e14}, {p + accents15, tooLong, p + e14}, e14},
      // Control characters and line breaks: a crafted name must not forge a line.
      {{"x\rCheat,1,0,Z,", "Bo"}, {p + "x\rCheat,1,0,Z,", control, p + "Bo"}, "Bo"},
      {{"a\nb", "a\tb", std::string("a\0b", 3), "a\x7F", "Bo"},
       {p + "a\nb", control, p + "a\tb", control, p + std::string("a\0b", 3), control, p + "a\x7F", control, p + "Bo"},
       "Bo"},
      {{"a\xC2\x85", "a\x85",
        "a\xE2\x80\xA8"
        "b",
        "a\xE2\x80\xA9", "Bo"},  // NEL, NEL as Latin-1, U+2028, U+2029
       {p + "a\xC2\x85", control, p + "a\x85", control,
        p + "a\xE2\x80\xA8"
            "b",
        control, p + "a\xE2\x80\xA9", control, p + "Bo"},
       "Bo"},
      {{"a\"\r", "Bo"}, {p + "a\"\r", quote, p + "Bo"}, "Bo"},  // the quote is tested first
      {{"\xC2\xA0Zo\xC3\xAB\xE2\x80\xAF"}, {p + "\xC2\xA0Zo\xC3\xAB\xE2\x80\xAF"}, "\xC2\xA0Zo\xC3\xAB\xE2\x80\xAF"},
      // Characters beyond U+FFFF count one each: emoji, a mathematical letter, CJK Extension B.
      {{"Bob \U0001F600"}, {p + "Bob \U0001F600"}, "Bob \U0001F600"},
      {{"Max \U0001D401old"}, {p + "Max \U0001D401old"}, "Max \U0001D401old"},
      {{e + "\U00020000\U0001F468\u200D\U0001F469"},
       {p + e + "\U00020000\U0001F468\u200D\U0001F469"},
       e + "\U00020000\U0001F468\u200D\U0001F469"},  // 14 with the joiner
      {{e + "\U00020000\U0001F468\u200D\U0001F469!", "Bo"},
       {p + e + "\U00020000\U0001F468\u200D\U0001F469!", tooLong, p + "Bo"},
       "Bo"},
  };
  // Every direction control is refused like a control character.
  for (const char* mark : {"\u061C", "\u200E", "\u200F", "\u202A", "\u202B", "\u202C", "\u202D", "\u202E", "\u2066",
                           "\u2067", "\u2068", "\u2069"})
    cases.push_back({{std::string("Eve") + mark + "abc", "Bo"}, {p + "Eve" + mark + "abc", control, p + "Bo"}, "Bo"});
  for (const NameCase& c : cases) {
    Harness h;
    ASSERT_TRUE(h.Start());
    DealNearlySolved(h);
    for (const auto& answer : c.answers) h.dialogs.answers.push_back(answer);
    WinAfter(h, 7);
    Transcript expected{Congratulation(" 0 minutes 7 seconds.")};
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(h.dialogs.transcript, expected);
    if (c.stored.empty()) {
      EXPECT_EQ(h.files.files.count("Fame.dat"), 0u);
      EXPECT_FALSE(h.window().enabled.hallOfFame);
    } else {
      EXPECT_EQ(h.files.files.at("Fame.dat"), "\"" + c.stored + "\",\"2\",8.101851851851852e-05,\"Jan 01, 2026\"\r\n");
      EXPECT_TRUE(h.window().enabled.hallOfFame);
    }
  }
}

// Another game filled the list after start-up: the win reads the list again, so a time
// that no longer qualifies asks for no name; a list emptied meanwhile lets any time in.
TEST(CompleteGame, TheQualifyingTestReadsTheListAsItStandsNow) {
  std::string full;
  for (int k = 1; k <= 30; ++k) full += "\"e\",\"1\"," + std::to_string(k) + "e-05,\"Jan 01, 2026\"\r\n";
  Harness h;
  h.files.files["Fame.dat"] = "\"e\",\"1\",1e-05,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.Start());
  ASSERT_EQ(h.state().fame.FameCount, 1);
  h.files.files["Fame.dat"] = full;  // meanwhile, by another game
  DealNearlySolved(h);
  h.dialogs.answers.push_back("Ann");
  WinAfter(h, 100);  // slower than all 30
  EXPECT_EQ(h.dialogs.transcript, Transcript{Congratulation(" 1 minute 40 seconds.")});
  EXPECT_EQ(h.state().fame.FameCount, 30);
  EXPECT_EQ(h.files.files.at("Fame.dat"), full);

  Harness emptied;
  emptied.files.files["Fame.dat"] = full;
  ASSERT_TRUE(emptied.Start());
  emptied.files.files.erase("Fame.dat");
  DealNearlySolved(emptied);
  emptied.dialogs.answers.push_back("Ann");
  WinAfter(emptied, 100);
  EXPECT_EQ(emptied.dialogs.transcript.size(), 2u);
  EXPECT_EQ(emptied.files.files.at("Fame.dat"), "\"Ann\",\"2\",0.0011574074074074073,\"Jan 01, 2026\"\r\n");
}

TEST(CompleteGame, AFullListTakesOnlyAStrictlyFasterTime) {
  std::string full;
  for (int k = 1; k <= 30; ++k) full += "\"e\",\"1\"," + std::to_string(k) + "e-04,\"Jan 01, 2026\"\r\n";
  // 30e-04 days is 259.2 s: 259 s qualifies, 260 s does not; a time equal to the slowest
  // is the next case.
  for (std::int64_t seconds : {259, 260}) {
    Harness h;
    h.files.files["Fame.dat"] = full;
    ASSERT_TRUE(h.Start());
    DealNearlySolved(h);
    h.dialogs.answers.push_back("Ann");
    WinAfter(h, seconds);
    EXPECT_EQ(h.dialogs.transcript.size(), seconds == 259 ? 2u : 1u) << seconds;
  }
  Harness equal;
  equal.files.files["Fame.dat"] = full.substr(0, full.rfind("\"e\"")) + "\"e\",\"1\",0.0011921296296296296,\"d\"\r\n";
  ASSERT_TRUE(equal.Start());
  ASSERT_EQ(equal.state().fame.SlowestFameTime, 103 / 86400.0);
  DealNearlySolved(equal);
  equal.dialogs.answers.push_back("Ann");
  WinAfter(equal, 103);
  EXPECT_EQ(equal.dialogs.transcript.size(), 1u);
}

TEST(CompleteGame, TheEntryKeepsTheNumberTheGameBeganWith) {
  Harness h;
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  h.Send(EventId::GiveUp);
  h.Type("  2 ");
  ASSERT_TRUE(h.Send(EventId::Replay));
  h.Type("12345");  // typed during the game
  h.dialogs.answers.push_back("Ann");
  WinAfter(h, 1);
  EXPECT_EQ(h.files.files.at("Fame.dat"), "\"Ann\",\"2\",1.1574074074074073e-05,\"Jan 01, 2026\"\r\n");
  EXPECT_EQ(h.window().gameNumberText, "12345");
}

TEST(CompleteGame, AFailedEntryIsReportedAndTheGameStaysWon) {
  Harness h;
  h.files.files["Fame.dat"] = "";
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  h.files.failing.insert("Fame.dat");
  h.dialogs.answers.push_back("Ann");
  WinAfter(h, 10);
  ASSERT_EQ(h.dialogs.transcript.size(), 3u);
  EXPECT_EQ(h.dialogs.transcript[2],
            "failure Your entry was not recorded in Fame.dat. Cannot read Fame.dat: scripted failure.");
  EXPECT_EQ(h.window().clockText, " 00:00:10");
  EXPECT_EQ(h.state().fame.FameCount, 0);
  EXPECT_EQ(h.files.files.at("Fame.dat"), "");
  EXPECT_TRUE(h.window().enabled.newGame);
}

}  // namespace
}  // namespace quarvel
