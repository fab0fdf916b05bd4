#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records_support.h"
#include "support/board_text.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::RowsOf;

using List = std::vector<std::string>;

TEST(ReloadWindow, RefusedWhenNothingWasSaved) {
  Harness h;
  ASSERT_TRUE(h.Start());
  const GameState before = h.game();
  const MainWindowState beforeWindow = h.window();
  ASSERT_TRUE(h.Send(EventId::Reload));
  EXPECT_EQ(h.dialogs.transcript, List{"message Error!|No games have yet been saved."});
  EXPECT_EQ(h.program.windows().visible, WindowId::Main);
  EXPECT_EQ(h.window().enabled, beforeWindow.enabled);
  EXPECT_FALSE(h.Pick("0"));
}

TEST(ReloadWindow, ListsTheFileAsItStandsAndEmptiesTheCombo) {
  Harness h;
  h.files.files["saved.dat"] = "10\r\n316\n316\r 42 \r\n\r\n";
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.Send(EventId::Reload));
  const WindowsState& w = h.program.windows();
  EXPECT_EQ(w.visible, WindowId::Reload);
  EXPECT_EQ(w.savedList, (List{"10", "316", "316", " 42 "}));
  EXPECT_EQ(w.comboText, "");
  EXPECT_FALSE(h.Send(EventId::NewGame));  // the main window is hidden
  EXPECT_FALSE(h.Send(EventId::HallOfFame));
  EXPECT_FALSE(h.Pick("42"));  // not an entry as listed

  // Return and the close box leave the game alone; reopening reads the file afresh.
  const GameState before = h.game();
  const MainWindowState beforeWindow = h.window();
  ASSERT_TRUE(h.Send(EventId::ReturnToMain));
  EXPECT_TRUE(w.reloadLoaded);
  h.files.files["saved.dat"] = "7\r\n";
  ASSERT_TRUE(h.Send(EventId::Reload));
  EXPECT_EQ(w.savedList, List{"7"});
  ASSERT_TRUE(h.Send(EventId::CloseWindow));
  EXPECT_FALSE(w.reloadLoaded);
  EXPECT_EQ(w.visible, WindowId::Main);
  EXPECT_EQ(h.game().board.position, before.board.position);
  EXPECT_EQ(h.window().enabled, beforeWindow.enabled);
  EXPECT_EQ(h.window().gameNumberText, beforeWindow.gameNumberText);
  EXPECT_TRUE(h.dialogs.transcript.empty());
}

TEST(ReloadWindow, APickRestartsTheGameAsListed) {
  Harness h;
  h.files.files["saved.dat"] = "10\r\n 316 \r\n";
  ASSERT_TRUE(h.Start());
  h.Type("old");
  h.clock.Advance(30);
  ASSERT_TRUE(h.Send(EventId::Reload));
  ASSERT_TRUE(h.Pick(" 316 "));
  const GameState& s = h.game();
  EXPECT_EQ(h.program.windows().visible, WindowId::Main);
  EXPECT_EQ(h.program.windows().comboText, " 316 ");
  EXPECT_EQ(h.window().gameNumberText, " 316 ");
  EXPECT_EQ(RowsOf(s.board.position), "1 2 3 4 / 5 6 7 8 / 9 10 0 12 / 13 14 11 15");
  EXPECT_EQ(ButtonCell(s.board, kBlank), CellAt(3, 3));
  EXPECT_EQ(ButtonCell(s.board, 11), CellAt(4, 3));
  const EnabledCommands expected{false, true, false, true, false, false, false};  // Hall of Fame unchanged (no list)
  EXPECT_EQ(h.window().enabled, expected);
  EXPECT_TRUE(s.GameInProgress);
  EXPECT_EQ(s.startMonotonicMs, 30000);
  EXPECT_TRUE(h.dialogs.transcript.empty());

  // Won from there, the entry carries the number trimmed.
  h.dialogs.answers.push_back("Ann");
  h.clock.Advance(2);
  h.Tile(11);
  h.Tile(15);
  EXPECT_EQ(h.files.files.at("Fame.dat"), "\"Ann\",\"316\",2.3148148148148147e-05,\"Jan 01, 2026\"\r\n");
}

TEST(ReloadWindow, APickThatIsNotAGameNumberIsRefusedAndTheWindowStaysUp) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "\"abc\" is not a valid game number."},
      {" 10461394944000", "\"10461394944000\" is not a valid game number."},
      {"   ", "\"\" is not a valid game number."},
      {"1,5", "\"1,5\" is not a valid game number."},
  };
  for (const auto& [entry, message] : cases) {
    Harness h;
    h.files.files["saved.dat"] = std::string("5\r\n") + entry + "\r\n";
    ASSERT_TRUE(h.Start());
    const GameState before = h.game();
    const MainWindowState beforeWindow = h.window();
    ASSERT_TRUE(h.Send(EventId::Reload));
    ASSERT_TRUE(h.Pick(entry));
    EXPECT_EQ(h.dialogs.transcript, List{std::string("message Error!|") + message});
    EXPECT_EQ(h.program.windows().visible, WindowId::Reload);
    EXPECT_EQ(h.program.windows().comboText, entry);
    EXPECT_FALSE(h.game().GameInProgress);
    EXPECT_EQ(h.window().gameNumberText, beforeWindow.gameNumberText);
    EXPECT_EQ(h.game().board.position, before.board.position);
    EXPECT_EQ(h.window().enabled, beforeWindow.enabled);
    ASSERT_TRUE(h.Pick("5"));  // another pick still works
    EXPECT_TRUE(h.game().GameInProgress);
  }
}

TEST(ReloadWindow, SaveThenReloadListsTheNewNumberInItsPlace) {
  Harness h;
  h.files.files["saved.dat"] = "10\r\n";
  ASSERT_TRUE(h.Start());
  testing::DealNearlySolved(h);
  ASSERT_TRUE(h.Send(EventId::Save));
  h.Send(EventId::GiveUp);
  ASSERT_TRUE(h.Send(EventId::Reload));
  EXPECT_EQ(h.program.windows().savedList, (List{"2", "10"}));
  ASSERT_TRUE(h.Pick("2"));
  EXPECT_EQ(RowsOf(h.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 0 14 15");
  EXPECT_FALSE(h.window().enabled.save);  // a reloaded game cannot be saved again
}

TEST(ReloadWindow, AnUnreadableFileIsReportedWithTheWindowUp) {
  Harness h;
  h.files.files["saved.dat"] = "10\r\n";
  ASSERT_TRUE(h.Start());
  h.files.failing.insert("saved.dat");
  ASSERT_TRUE(h.Send(EventId::Reload));
  EXPECT_EQ(h.dialogs.transcript, List{"failure Cannot read saved.dat: scripted failure."});
  EXPECT_EQ(h.program.windows().visible, WindowId::Reload);
  EXPECT_TRUE(h.program.windows().savedList.empty());
  EXPECT_TRUE(h.Send(EventId::ReturnToMain));
}

}  // namespace
}  // namespace quarvel
