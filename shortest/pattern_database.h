#pragma once
// Pattern databases: for a group of tiles, the fewest moves of those tiles that bring
// them home from any placement, the other tiles moving at no cost. A group tile moves
// into the empty cell, so where group tiles wall off empty cells the distance depends on
// the empty cell's side; the table keeps the smallest. Groups that share no tile add up
// to a lower bound of the distance to the goal. Each tile of a group needs at least its
// Manhattan distance, and the table's distance exceeds their sum by an even number of
// moves; a table keeps half that excess, four bits a placement.
#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quarvel::shortest {

inline constexpr int kMaxGroupTiles = 7;

// Bits set in a 16-bit mask, by table: without a popcount instruction in the baseline
// instruction set, std::popcount is a library call.
inline constexpr std::array<std::uint8_t, 256> kBitsInByte = [] {
  std::array<std::uint8_t, 256> bits{};
  for (unsigned b = 0; b < 256; ++b) bits[b] = static_cast<std::uint8_t>(std::popcount(b));
  return bits;
}();
inline unsigned BitCount16(unsigned mask) { return kBitsInByte[mask & 0xFF] + kBitsInByte[(mask >> 8) & 0xFF]; }

// The rank of k distinct cells in order, from 0 to 16 x 15 x ... x (16 - k + 1) - 1.
inline std::uint32_t RankCells(const std::uint8_t* cells, int k) {
  std::uint32_t rank = 0;
  unsigned used = 0;
  for (int i = 0; i < k; ++i) {
    const unsigned cell = cells[i];
    const unsigned digit = cell - BitCount16(used & ((1u << cell) - 1));
    rank = rank * static_cast<std::uint32_t>(16 - i) + digit;
    used |= 1u << cell;
  }
  return rank;
}

// Entries of a table over k tiles: 16 x 15 x ... x (16 - k + 1).
constexpr std::size_t TableSize(int k) {
  std::size_t size = 1;
  for (int i = 0; i < k; ++i) size *= static_cast<std::size_t>(16 - i);
  return size;
}

// Moves between two cells along rows and columns.
inline constexpr std::array<std::array<std::uint8_t, 16>, 16> kCellDistance = [] {
  std::array<std::array<std::uint8_t, 16>, 16> d{};
  for (int a = 0; a < 16; ++a)
    for (int b = 0; b < 16; ++b)
      d[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(
          (a / 4 > b / 4 ? a / 4 - b / 4 : b / 4 - a / 4) + (a % 4 > b % 4 ? a % 4 - b % 4 : b % 4 - a % 4));
  return d;
}();

// Half the excess is kept up to this; a larger excess is stored as this, which keeps the
// estimate below the distance.
inline constexpr int kMaxHalfExcess = 15;

class PatternDatabase {
 public:
  // Thrown by the constructor when its cancel flag is set during the build.
  struct Cancelled {};

  // Builds the table by a breadth-first search back from the goal placement.
  explicit PatternDatabase(std::span<const std::uint8_t> tiles, const std::atomic<bool>* cancel = nullptr);
  // A table held elsewhere (a mapped file), which must outlive this one.
  PatternDatabase(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> entries);
  PatternDatabase(PatternDatabase&&) = default;
  PatternDatabase(const PatternDatabase&) = delete;
  PatternDatabase& operator=(const PatternDatabase&) = delete;

  std::span<const std::uint8_t> tiles() const { return {tiles_.data(), static_cast<std::size_t>(count_)}; }
  // Half the moves of the group's tiles needed from the placement of the given rank beyond
  // the sum of their Manhattan distances.
  int HalfExcess(std::uint32_t rank) const { return (entries_[rank >> 1] >> ((rank & 1) * 4)) & 15; }
  // The entries, two a byte, the even rank in the low four bits.
  std::span<const std::uint8_t> entries() const { return {entries_, size_}; }
  std::size_t bytes() const { return size_; }

 private:
  std::array<std::uint8_t, kMaxGroupTiles> tiles_{};
  int count_ = 0;
  std::vector<std::uint8_t> owned_;  // empty for a table held elsewhere
  const std::uint8_t* entries_ = nullptr;
  std::size_t size_ = 0;
};

// A kind of tables: its groups, the splits of the fifteen tiles into groups (indices into
// its groups) that share no tile, and the tables made and stored (kNoTable for a lone tile,
// which counts its Manhattan distance). The estimate is the largest sum over the splits,
// each looked up on the position and on its reflection about the main diagonal.
inline constexpr std::uint8_t kNoTable = 0xFF;
inline constexpr int kMaxTables = 6;

// The desktop's tables: {1..7}, {9..15} and tile 8 (55 MiB).
struct FullTables {
  static constexpr int kGroupCount = 3;
  static constexpr std::array<std::array<std::uint8_t, kMaxGroupTiles>, kGroupCount> kGroups{{
      {1, 2, 3, 4, 5, 6, 7},
      {9, 10, 11, 12, 13, 14, 15},
      {8, 0, 0, 0, 0, 0, 0},
  }};
  static constexpr std::array<int, kGroupCount> kGroupSizes{7, 7, 1};
  static constexpr std::array<std::array<std::uint8_t, 3>, 1> kSplits{{{0, 1, 2}}};
  static constexpr int kTableCount = 2;
  static constexpr std::array<std::uint8_t, kTableCount> kTableGroup{0, 1};  // the group each is made for
  static constexpr std::array<std::uint8_t, kGroupCount> kTableOf{0, 1, kNoTable};
  static constexpr const char* kFileName = "quarvel-shortest.tables";
};

// The web page's tables, small enough to download: two 6-6-3 splits (11.3 MiB).
struct SmallTables {
  static constexpr int kGroupCount = 6;
  static constexpr std::array<std::array<std::uint8_t, kMaxGroupTiles>, kGroupCount> kGroups{{
      {1, 5, 6, 9, 10, 13},
      {7, 8, 11, 12, 14, 15},
      {2, 3, 4},
      {1, 2, 3, 5, 6, 7},
      {9, 10, 11, 13, 14, 15},
      {4, 8, 12},
  }};
  static constexpr std::array<int, kGroupCount> kGroupSizes{6, 6, 3, 6, 6, 3};
  static constexpr std::array<std::array<std::uint8_t, 3>, 2> kSplits{{{0, 1, 2}, {3, 4, 5}}};
  static constexpr int kTableCount = 6;
  static constexpr std::array<std::uint8_t, kTableCount> kTableGroup{0, 1, 2, 3, 4, 5};
  static constexpr std::array<std::uint8_t, kGroupCount> kTableOf{0, 1, 2, 3, 4, 5};
  static constexpr const char* kFileName = "quarvel-shortest-small.tables";
};

// The desktop's kind by its plain names.
inline constexpr int kGroupCount = FullTables::kGroupCount;
inline constexpr auto& kGroups = FullTables::kGroups;
inline constexpr auto& kGroupSizes = FullTables::kGroupSizes;
inline constexpr int kTableCount = FullTables::kTableCount;

// The sum of the Manhattan distances of group g's tiles standing in `cells`, in order.
template <class Kind>
int GroupManhattan(std::size_t g, const std::uint8_t* cells) {
  int sum = 0;
  for (int i = 0; i < Kind::kGroupSizes[g]; ++i)
    sum += kCellDistance[Kind::kGroups[g][static_cast<std::size_t>(i)] - 1u][cells[i]];
  return sum;
}

template <class Kind>
struct PatternTablesOf {
  std::array<PatternDatabase, Kind::kTableCount> groups;  // by table, see kTableGroup
  double buildSeconds = 0;
  std::size_t bytes() const {
    std::size_t total = 0;
    for (const PatternDatabase& g : groups) total += g.bytes();
    return total;
  }
  // The distance of group g (an index into kGroups) whose tiles stand in `cells`, in order.
  int GroupDistance(std::size_t g, const std::uint8_t* cells) const {
    const int manhattan = GroupManhattan<Kind>(g, cells);
    if (Kind::kTableOf[g] == kNoTable) return manhattan;
    return manhattan + 2 * groups[Kind::kTableOf[g]].HalfExcess(RankCells(cells, Kind::kGroupSizes[g]));
  }
};
using PatternTables = PatternTablesOf<FullTables>;
using SmallPatternTables = PatternTablesOf<SmallTables>;

// The group's tiles as a span.
template <class Kind = FullTables>
std::span<const std::uint8_t> GroupTiles(std::size_t g) {
  return {Kind::kGroups[g].data(), static_cast<std::size_t>(Kind::kGroupSizes[g])};
}

// Builds every table in memory, the large ones on up to `threads` threads at once.
template <class Kind = FullTables>
PatternTablesOf<Kind> BuildTables(int threads, const std::atomic<bool>* cancel = nullptr);
extern template PatternTables BuildTables<FullTables>(int, const std::atomic<bool>*);
extern template SmallPatternTables BuildTables<SmallTables>(int, const std::atomic<bool>*);

}  // namespace quarvel::shortest
