#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "records_support.h"
#include "ui/hall_of_fame_listing.h"

namespace quarvel {
namespace {

using testing::DealNearlySolved;
using testing::Harness;
using testing::WinAfter;

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

const std::string kHeading = "Name" + Blanks(11) + "Game #" + Blanks(11) + "Time" + Blanks(7) + "Date";

TEST(FameListing, HeadingWordsStandOverTheirColumns) {
  EXPECT_EQ(FameListingHeading(), kHeading);
  EXPECT_EQ(kHeading.find("Game #"), 15u);  // column 16
  EXPECT_EQ(kHeading.find("Time"), 32u);    // column 33
  EXPECT_EQ(kHeading.find("Date"), 43u);    // column 44
}

TEST(FameListing, EntryLinesInFixedColumns) {
  const std::pair<FameEntry, std::string> cases[] = {
      {{"Fourteen chars", "10461394943999", 103 / 86400.0, "Jan 01, 2026"},
       "Fourteen chars 10461394943999   01M  43S   Jan 01, 2026"},
      {{"A", "2", 7 / 86400.0, "Dec 31, 1999"}, "A" + Blanks(14) + "2" + Blanks(15) + " 00M  07S   Dec 31, 1999"},
      {{"   ", "316", 3599 / 86400.0, "x"}, Blanks(15) + "316" + Blanks(13) + " 59M  59S   x"},
      {{"J\xC3\xB6rg", "0", 0, ""}, "J\xC3\xB6rg" + Blanks(11) + "0" + Blanks(15) + " 00M  00S   "},
      // Hand-edited: over-long fields shown whole with one blank after; control characters as "?".
      {{"Fifteen chars!!", "12345678901234567", 0.0005, "d"}, "Fifteen chars!! 12345678901234567  00M  43S   d"},
      {{"tab\there", "1", 0, "d"}, "tab?here" + Blanks(7) + "1" + Blanks(15) + " 00M  00S   d"},
      // Direction controls, separators and C1 controls from another program's file as "?".
      {{"Eve\u202Eabc\u2069\u0085", "1\u200F", 0, "d\u2066"},
       "Eve?abc??" + Blanks(6) + "1?" + Blanks(14) + " 00M  00S   d?"},
      // A character beyond U+FFFF is one character; a right-to-left name is isolated in its column.
      {{"Bob \U0001F600", "2", 0, "d"}, "Bob \U0001F600" + Blanks(10) + "2" + Blanks(15) + " 00M  00S   d"},
      {{"\u05D3\u05D5\u05D3 1", "3", 0, "d"},
       "\u2068\u05D3\u05D5\u05D3 1\u2069" + Blanks(10) + "3" + Blanks(15) + " 00M  00S   d"},
  };
  for (const auto& [entry, line] : cases) {
    EXPECT_EQ(FameListingLine(entry), line) << entry.Name;
  }
  // Column 33 holds the minutes of a well-formed entry.
  EXPECT_EQ(FameListingLine(cases[0].first).substr(32, 9), "01M  43S ");
}

TEST(FameListing, NamesAndNumbersLongerThanTheirColumnsCutWhereTheListingCutsThem) {
  const std::string hebrew15 =
      "\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DA\u05DB\u05DC\u05DD\u05DE";
  std::string umlauts, kanji;
  for (int k = 0; k < 14; ++k) umlauts += "\u00D6";
  for (int k = 0; k < 15; ++k) kanji += "\u6771";
  // name, game number, and the two as the cutting listing shows them
  const std::array<std::string, 4> cases[] = {
      // The longest name and game number the game writes stay whole.
      {"Fourteen chars", "10461394943999", "Fourteen chars", "10461394943999"},
      {"Fifteen chars!!", "123456789012345", "Fifteen chars\u2026", "1234567890123\u2026"},
      {std::string(10000, 'x'), "1", std::string(13, 'x') + "\u2026", "1"},
      // Counted in characters, not bytes: 14 two-byte letters stay whole, 15 three-byte ones are cut.
      {umlauts, "1", umlauts, "1"},
      {kanji, "1", kanji.substr(0, 13 * 3) + "\u2026", "1"},
      // A right-to-left name stays isolated: the cut goes inside its marks.
      {hebrew15, "1", "\u2068" + hebrew15.substr(0, 13 * 2) + "\u2026\u2069", "1"},
  };
  for (const auto& [name, number, shownName, shownNumber] : cases) {
    const FameColumns cut = CutFameColumns(BuildFameListingColumns({{name, number, 0, "d"}})[1]);
    EXPECT_EQ(cut[0], shownName) << name.substr(0, 20);
    EXPECT_EQ(cut[1], shownNumber) << number;
    EXPECT_EQ(cut[3], "d");
  }
}

TEST(FameListing, HeadingEmptyLineThenOneLinePerEntry) {
  EXPECT_EQ(BuildFameListing({}), kHeading + "\r\n\r\n");
  std::vector<FameEntry> thirty(30, FameEntry{"a", "1", 0, "d"});
  const std::string listing = BuildFameListing(thirty);
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = listing.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(lines, 32u);
  EXPECT_TRUE(listing.ends_with("d\r\n"));
}

TEST(HallOfFameWindow, ButtonFollowsTheFile) {
  Harness none;
  ASSERT_TRUE(none.Start());
  EXPECT_FALSE(none.Send(EventId::HallOfFame));
  EXPECT_EQ(none.program.windows().visible, WindowId::Main);
  DealNearlySolved(none);
  none.dialogs.answers.push_back("Ann");
  WinAfter(none, 103);
  ASSERT_TRUE(none.Send(EventId::HallOfFame));
  EXPECT_EQ(none.program.windows().listing,
            kHeading + "\r\n\r\nAnn" + Blanks(12) + "2" + Blanks(15) + " 01M  43S   Jan 01, 2026\r\n");

  Harness empty;
  empty.files.files["Fame.dat"] = "";
  ASSERT_TRUE(empty.Start());
  ASSERT_TRUE(empty.Send(EventId::HallOfFame));
  EXPECT_EQ(empty.program.windows().listing, kHeading + "\r\n\r\n");
}

TEST(HallOfFameWindow, OpensOverTheMainWindowAndReturns) {
  Harness h;
  h.files.files["Fame.dat"] = "\"b\",\"31\",0.001,\"d\"\r\n\"broken\r\n\"c\",\"9\",0.002,\"d\",\"more\"\r\n";
  ASSERT_TRUE(h.Start());
  DealNearlySolved(h);
  const GameState before = h.game();
  const MainWindowState beforeWindow = h.window();
  ASSERT_TRUE(h.Send(EventId::HallOfFame));
  const WindowsState& w = h.program.windows();
  EXPECT_EQ(w.visible, WindowId::HallOfFame);
  const std::string listing = kHeading + "\r\n\r\n" + "b" + Blanks(14) + "31" + Blanks(14) + " 01M  26S   d\r\n" + "c" +
                              Blanks(14) + "9" + Blanks(15) + " 02M  53S   d\r\n";
  EXPECT_EQ(w.listing, listing);
  // The main window's controls cannot be reached while it is hidden.
  EXPECT_FALSE(h.Send(EventId::GiveUp));
  EXPECT_FALSE(h.Tile(14));
  EXPECT_FALSE(h.Send(EventId::HallOfFame));
  EXPECT_FALSE(h.Pick("31"));

  ASSERT_TRUE(h.Send(EventId::ReturnToMain));
  EXPECT_EQ(w.visible, WindowId::Main);
  EXPECT_TRUE(w.hallOfFameLoaded);
  EXPECT_FALSE(h.Send(EventId::ReturnToMain));
  ASSERT_TRUE(h.Send(EventId::HallOfFame));  // twice: the same listing, not a doubled one
  EXPECT_EQ(w.listing, listing);
  ASSERT_TRUE(h.Send(EventId::CloseWindow));
  EXPECT_FALSE(w.hallOfFameLoaded);
  EXPECT_EQ(w.visible, WindowId::Main);
  EXPECT_FALSE(h.Send(EventId::CloseWindow));

  EXPECT_EQ(h.game().board.position, before.board.position);
  EXPECT_EQ(h.window().enabled, beforeWindow.enabled);
  EXPECT_TRUE(h.game().GameInProgress);
  EXPECT_TRUE(h.dialogs.transcript.empty());
}

TEST(HallOfFameWindow, AFileThatCannotBeReadLeavesTheWindowUpEmpty) {
  for (bool removed : {true, false}) {
    Harness h;
    h.files.files["Fame.dat"] = "\"b\",\"31\",0.001,\"d\"\r\n";
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(h.Send(EventId::HallOfFame));
    h.Send(EventId::ReturnToMain);
    if (removed)
      h.files.files.erase("Fame.dat");
    else
      h.files.failing.insert("Fame.dat");
    ASSERT_TRUE(h.Send(EventId::HallOfFame));
    ASSERT_EQ(h.dialogs.transcript.size(), 1u);
    EXPECT_EQ(h.dialogs.transcript[0], removed ? "failure Cannot read Fame.dat: the file no longer exists."
                                               : "failure Cannot read Fame.dat: scripted failure.");
    EXPECT_EQ(h.program.windows().visible, WindowId::HallOfFame);
    EXPECT_EQ(h.program.windows().listing, "");
    EXPECT_TRUE(h.Send(EventId::ReturnToMain));  // the program goes on
  }
}

TEST(StartUp, FailedRecordFilesAreReportedAndStartUpGoesOn) {
  for (const char* failing : {"HallFame.dat", "Fame.dat"}) {
    Harness h;
    h.files.files["Fame.dat"] = "\"b\",\"31\",0.001,\"d\"\r\n";
    h.files.failing.insert(failing);
    ASSERT_TRUE(h.Start());
    ASSERT_EQ(h.dialogs.transcript.size(), 1u);
    EXPECT_NE(h.dialogs.transcript[0].find(failing), std::string::npos);
    EXPECT_EQ(h.draws.reseeds, 1);
    const bool listRead = std::string(failing) == "HallFame.dat";
    EXPECT_EQ(h.state().fame.FameCount, listRead ? 1 : 0);
    EXPECT_EQ(h.state().fame.SlowestFameTime, listRead ? 0.001 : 9999);
    EXPECT_TRUE(h.Send(EventId::NewGame));
  }
}

}  // namespace
}  // namespace quarvel
