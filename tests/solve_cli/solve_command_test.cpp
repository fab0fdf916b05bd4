// quarvel-solve's input lines, output lines and exit statuses.
#include "solve_cli/solve_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/game_number.h"
#include "solve_cli/position_line.h"

namespace quarvel::solve {
namespace {

struct SolveRun {
  int status;
  std::string out;
  std::string err;
};

SolveRun Solve(const std::vector<std::string>& arguments, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunSolve(arguments, in, out, err);
  return {status, out.str(), err.str()};
}

std::string SixteenNumbers(const Position& position, const char* separator) {
  std::string text;
  for (int c = 0; c < kCellCount; ++c) text += (c ? separator : "") + std::to_string(position.TileIn(c));
  return text;
}

// The tiles of an output line `N: T1 ... TN`, checked against its N.
std::vector<int> TilesOf(const std::string& line) {
  std::istringstream words(line);
  std::string count;
  words >> count;
  EXPECT_EQ(count.back(), ':');
  std::vector<int> tiles;
  for (int tile; words >> tile;) tiles.push_back(tile);
  EXPECT_EQ(std::to_string(tiles.size()) + ":", count);
  return tiles;
}

TEST(SolveCommand, GameNumbersAndSixteenNumbersAgree) {
  for (const char* number : {"0", "5252855902758", "653837184003", "9807557760000", "100000005"}) {
    const auto position = ReadPosition(number);
    ASSERT_TRUE(std::holds_alternative<Position>(position)) << number;
    const Position cells = std::get<Position>(position);
    // The number of the decoded arrangement is the number itself for these.
    EXPECT_EQ(EncodeGameNumber(cells), number);

    const SolveRun byNumber = Solve({number});
    const SolveRun byBlanks = Solve({}, SixteenNumbers(cells, " ") + "\n");
    const SolveRun byCommas = Solve({SixteenNumbers(cells, ", ")});
    EXPECT_EQ(byNumber.status, 0);
    EXPECT_EQ(byNumber.out, byBlanks.out);
    EXPECT_EQ(byNumber.out, byCommas.out);
    Position replayed = cells;
    for (const int tile : TilesOf(byNumber.out)) EXPECT_TRUE(replayed.Slide(tile));
    EXPECT_EQ(replayed, Position());
  }
  EXPECT_EQ(Solve({"0"}).out, "0:\n");
  EXPECT_EQ(Solve({"--length", "0"}).out, "0\n");
}

TEST(SolveCommand, AGameNumberIsDecodedAsReplayDecodesIt) {
  // Blank in cell 15: the number is shared with the solved board, and decodes to it.
  EXPECT_EQ(std::get<Position>(ReadPosition("0")), Position());
  EXPECT_EQ(Solve({"1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15"}).out, "1: 15\n");
  // 1 decodes to an arrangement that MakeSolvable repaired.
  const auto one = ReadPosition(" 1 ");
  ASSERT_TRUE(std::holds_alternative<Position>(one));
  EXPECT_TRUE(std::get<Position>(one).IsSolvable());
}

TEST(SolveCommand, BadLinesAreReportedAndTheRestIsSolved) {
  const SolveRun run = Solve({},
                             "0\n"
                             "abc\n"
                             "10461394943999999\n"
                             "\n"
                             "1 2 3\n"
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 15\n"
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 15 14 0\n"
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 x 0\n"
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15\r\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "0:\n1: 15\n");
  EXPECT_EQ(run.err,
            "error: line 2: \"abc\" is not a game number (0 to 10461394943999)\n"
            "error: line 3: \"10461394943999999\" is not a game number (0 to 10461394943999)\n"
            "error: line 4: empty line\n"
            "error: line 5: expected a game number or 16 numbers, found 3 words\n"
            "error: line 6: the 16 numbers are not a permutation of 0 to 15\n"
            "error: line 7: \"16\" is not a number from 0 to 15\n"
            "error: line 8: this position cannot be solved\n"
            "error: line 9: \"x\" is not a number from 0 to 15\n");
}

// The quoted part of an error shows at most 40 characters and no byte that a terminal
// would act on.
TEST(SolveCommand, QuotedInputIsCutShortAndEscaped) {
  const std::string number = " is not a game number (0 to 10461394943999)\n";
  const struct {
    std::string line;
    std::string error;
  } cases[] = {
      {std::string(50'000, '7'), "\"" + std::string(40, '7') + "...\"" + number},
      {std::string(40, '7'), "\"" + std::string(40, '7') + "\"" + number},
      {"\x1b[2J", "\"\\x1b[2J\"" + number},
      {std::string("a\0b", 3), "\"a\\x00b\"" + number},
      {"\xff\xc3\xa9\"\\", "\"\\xff\xc3\xa9\\\"\\\\\"" + number},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 0\r\r", "\"0\\r\" is not a number from 0 to 15\n"},
  };
  for (const auto& c : cases) {
    const SolveRun run = Solve({}, c.line + "\n");
    EXPECT_EQ(run.err, "error: line 1: " + c.error);
  }
}

TEST(SolveCommand, OptionsAndArguments) {
  const SolveRun help = Solve({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: quarvel-solve"), std::string::npos);
  const SolveRun bad = Solve({"--fast", "0"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("--fast"), std::string::npos);
  // Arguments are the lines; standard input is then not read.
  const SolveRun args = Solve({"--length", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15", "x"}, "0\n");
  EXPECT_EQ(args.status, 1);
  EXPECT_EQ(args.out, "1\n");
  EXPECT_EQ(args.err, "error: line 2: \"x\" is not a game number (0 to 10461394943999)\n");
}

}  // namespace
}  // namespace quarvel::solve
