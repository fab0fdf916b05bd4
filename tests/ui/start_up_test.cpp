// Start-up: the home positions, the board and the commands.
#include <gtest/gtest.h>

#include "core/date_time.h"
#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::kSolved;
using testing::RowsOf;

TEST(StartUp, SolvedBoardNoGameAndTheInitialButtons) {
  Harness h;
  ASSERT_TRUE(h.Start());
  const GameState& s = h.game();
  EXPECT_EQ(RowsOf(s.board.position), kSolved);
  EXPECT_FALSE(s.GameInProgress);
  EnabledCommands expected;
  expected.hallOfFame = false;  // no Fame.dat
  EXPECT_EQ(h.window().enabled, expected);
  EXPECT_EQ(h.window().gameNumberText, "");
  EXPECT_EQ(h.window().clockText, "");
  // Clicks between games are received and ignored.
  EXPECT_TRUE(h.Tile(12));
  EXPECT_EQ(RowsOf(s.board.position), kSolved);
}

TEST(StartUp, RefusesAMissingOrDamagedHomePositionsFile) {
  for (const char* content : {static_cast<const char*>(nullptr), "", "4,4\r\n1,1\r\n", "9,9"}) {
    Harness h;
    if (content)
      h.files.files["quarvel.dat"] = content;
    else
      h.files.files.erase("quarvel.dat");
    EXPECT_FALSE(h.Start());
    ASSERT_EQ(h.dialogs.transcript.size(), 1u);
    EXPECT_EQ(h.dialogs.transcript[0],
              "message Error!|The file quarvel.dat in /memory is missing or damaged; Quarvel Orbix cannot start.");
  }
  Harness unreadable;
  unreadable.files.failing.insert("quarvel.dat");
  EXPECT_FALSE(unreadable.Start());
}

}  // namespace
}  // namespace quarvel
