// The web page's smaller tables: the file the build made is good and refused as the
// desktop's, and the search over them finds solutions as short as over the desktop's.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

#include "shortest/shortest_search.h"
#include "shortest/tables_file.h"
#include "shortest/used_tables.h"
#include "support/random_positions.h"

namespace quarvel::shortest {
namespace {

Position Parse(const char* text) {
  std::istringstream in(text);
  Position::Cells cells{};
  for (auto& cell : cells) {
    int tile = 0;
    in >> tile;
    cell = static_cast<std::uint8_t>(tile);
  }
  return *Position::FromCells(cells);
}

TEST(SmallTables, TheBuildsFileIsGoodAndNotTakenForTheDesktops) {
  const TablesFile small = MapTablesFile<SmallTables>(QUARVEL_SMALL_TABLES_FILE);
  ASSERT_EQ(small.problem, "") << small.path;
  EXPECT_LE(small.image.size(), 12u << 20);
  EXPECT_NE(MapTablesFile<FullTables>(QUARVEL_SMALL_TABLES_FILE).problem.find("groups or sizes"), std::string::npos);
  const TablesFile& full = UsedTablesFile();
  ASSERT_EQ(full.problem, "");
  EXPECT_NE(CheckTablesImage<SmallTables>(full.image).find("groups or sizes"), std::string::npos);
}

// Golden deals, random and deep, solved over both kinds: the same length.
TEST(SmallTables, SolutionsAreAsShortAsOverTheDesktopsTables) {
  const TablesFile file = MapTablesFile<SmallTables>(QUARVEL_SMALL_TABLES_FILE);
  ASSERT_EQ(file.problem, "");
  const SmallPatternTables small = TablesOverImage<SmallTables>(file.image);
  std::vector<Position> deals = {
      Parse("1 2 3 4 5 6 7 8 9 10 11 12 0 13 14 15"),
      Parse("12 8 13 10 15 14 1 9 4 11 0 2 3 7 6 5"),  // deep: 68 moves
  };
  std::mt19937_64 rng(34);
#ifdef QUARVEL_SANITIZED_BUILD
  for (int n = 0; n < 2; ++n) deals.push_back(testing::RandomSolvable(rng));
#else
  for (int n = 0; n < 12; ++n) deals.push_back(testing::RandomSolvable(rng));
#endif
  for (std::size_t d = 0; d < deals.size(); ++d) {
    const Position& deal = deals[d];
    const auto expected = SolveShortest(deal);
    const auto found = SolveShortestWith(small, deal);
    ASSERT_TRUE(expected && found);
    EXPECT_EQ(found->tiles.size(), expected->tiles.size()) << "deal " << d;
    Position cells = deal;
    for (const int tile : found->tiles) ASSERT_TRUE(cells.Slide(tile));
    EXPECT_EQ(cells, Position()) << "deal " << d;
    EXPECT_LE(EstimateMovesWith(small, deal), static_cast<int>(found->tiles.size()));
  }
}

}  // namespace
}  // namespace quarvel::shortest
