// Keyboard play: which tile an arrow key names, and that a key is a click of that tile.
#include "core/arrow_keys.h"

#include <gtest/gtest.h>

#include "support/board_text.h"
#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;
using testing::PositionFromRows;
using testing::RowsOf;

TEST(TileForArrow, NamesTheNeighbourOppositeTheArrowOrNoneAtAnEdge) {
  // Empty cell in the middle (row 2, column 3): all four keys name a tile.
  const Position middle = PositionFromRows("1 2 3 4 / 5 6 0 8 / 9 10 7 11 / 13 14 15 12");
  EXPECT_EQ(TileForArrow(middle, ArrowKey::Up), 7);     // below the empty cell
  EXPECT_EQ(TileForArrow(middle, ArrowKey::Down), 3);   // above it
  EXPECT_EQ(TileForArrow(middle, ArrowKey::Left), 8);   // right of it
  EXPECT_EQ(TileForArrow(middle, ArrowKey::Right), 6);  // left of it

  // Home layout: empty cell at the bottom right.
  const Position home;
  EXPECT_EQ(TileForArrow(home, ArrowKey::Up), kBlank);
  EXPECT_EQ(TileForArrow(home, ArrowKey::Left), kBlank);
  EXPECT_EQ(TileForArrow(home, ArrowKey::Down), 12);
  EXPECT_EQ(TileForArrow(home, ArrowKey::Right), 15);

  // Top left corner.
  const Position corner = PositionFromRows("0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15");
  EXPECT_EQ(TileForArrow(corner, ArrowKey::Down), kBlank);
  EXPECT_EQ(TileForArrow(corner, ArrowKey::Right), kBlank);
  EXPECT_EQ(TileForArrow(corner, ArrowKey::Up), 4);
  EXPECT_EQ(TileForArrow(corner, ArrowKey::Left), 1);
}

TEST(TileForArrow, TheNamedTileAlwaysMovesInTheArrowsDirection) {
  // Every empty cell, every key: a named tile is a neighbour and lands on the empty cell.
  for (int emptyCell = 0; emptyCell < 16; ++emptyCell) {
    Position::Cells cells{};
    int tile = 1;
    for (std::size_t cell = 0; cell < cells.size(); ++cell)
      cells[cell] = static_cast<std::uint8_t>(static_cast<int>(cell) == emptyCell ? kBlank : tile++);
    const Board board{*Position::FromCells(cells), std::nullopt};
    for (ArrowKey key : {ArrowKey::Up, ArrowKey::Down, ArrowKey::Left, ArrowKey::Right}) {
      Board moved = board;
      const int named = TileForArrow(moved.position, key);
      if (named == kBlank) continue;
      const CellPos from = moved.position.PlaceOf(named);
      ASSERT_TRUE(MoveTile(moved, named)) << "cell " << emptyCell;
      const CellPos to = moved.position.PlaceOf(named);
      const int dRow = to.Row - from.Row;
      const int dColumn = to.Column - from.Column;
      switch (key) {
        case ArrowKey::Up: EXPECT_TRUE(dRow == -1 && dColumn == 0); break;
        case ArrowKey::Down: EXPECT_TRUE(dRow == 1 && dColumn == 0); break;
        case ArrowKey::Left: EXPECT_TRUE(dRow == 0 && dColumn == -1); break;
        case ArrowKey::Right: EXPECT_TRUE(dRow == 0 && dColumn == 1); break;
      }
    }
  }
}

TEST(ArrowKeys, AKeyIsAClickOfItsTileWithEveryRuleOfAClick) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.files.files["Fame.dat"] = "";
  // Between games the named tile's click is ignored.
  EXPECT_TRUE(h.Send(EventId::ArrowDown));
  EXPECT_EQ(RowsOf(h.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0");

  h.Send(EventId::NewGame);
  h.Send(EventId::GiveUp);
  h.Type("0");  // the solved arrangement
  ASSERT_TRUE(h.Send(EventId::Replay));
  EXPECT_FALSE(h.Send(EventId::ArrowUp)) << "nothing below the empty cell";
  EXPECT_TRUE(h.Send(EventId::ArrowRight));  // 15 slides right
  EXPECT_EQ(RowsOf(h.game().board.position), "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15");
  EXPECT_TRUE(h.game().GameInProgress);

  EXPECT_TRUE(h.Send(EventId::ArrowDown));  // 11 slides down
  EXPECT_TRUE(h.Send(EventId::ArrowUp));    // and back up

  // Sliding 15 back left wins the game, with the congratulation and the name prompt.
  h.dialogs.answers.push_back("Keys");
  EXPECT_TRUE(h.Send(EventId::ArrowLeft));
  EXPECT_FALSE(h.game().GameInProgress);
  ASSERT_FALSE(h.dialogs.transcript.empty());
  EXPECT_EQ(h.dialogs.transcript.front().rfind("message Congratulations!|", 0), 0u);
  EXPECT_NE(h.files.files["Fame.dat"].find("\"Keys\",\"0\","), std::string::npos);
}

TEST(ArrowKeys, IgnoredWhileAnotherWindowIsUp) {
  Harness h;
  h.files.files["Fame.dat"] = "";
  ASSERT_TRUE(h.Start());
  h.Send(EventId::NewGame);
  const std::string dealt = RowsOf(h.game().board.position);
  ASSERT_TRUE(h.Send(EventId::HallOfFame));
  for (EventId arrow : {EventId::ArrowUp, EventId::ArrowDown, EventId::ArrowLeft, EventId::ArrowRight})
    EXPECT_FALSE(h.Send(arrow));
  EXPECT_EQ(RowsOf(h.game().board.position), dealt);
}

}  // namespace
}  // namespace quarvel
