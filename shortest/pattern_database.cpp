#include "shortest/pattern_database.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>

namespace quarvel::shortest {
namespace {

constexpr unsigned kBoardMask = 0xFFFF;
constexpr std::uint8_t kUnknown = 0xFF;

// Cells next to any of the given ones, on the 4 x 4 board.
unsigned Neighbours(unsigned cells) {
  return (((cells << 1) & 0xEEEE) | ((cells >> 1) & 0x7777) | (cells << 4) | (cells >> 4)) & kBoardMask;
}

// The free cells the empty cell can reach from `from` without moving a group tile.
unsigned Region(unsigned from, unsigned freeCells) {
  unsigned region = 1u << from;
  for (;;) {
    const unsigned grown = (region | Neighbours(region)) & freeCells;
    if (grown == region) return region;
    region = grown;
  }
}

// Whether the cells of each 16-bit mask are all connected, one bit per mask.
std::vector<std::uint64_t> ConnectedMasks() {
  std::vector<std::uint64_t> connected(65536 / 64);
  for (unsigned mask = 1; mask <= kBoardMask; ++mask)
    if (Region(static_cast<unsigned>(std::countr_zero(mask)), mask) == mask)
      connected[mask / 64] |= std::uint64_t{1} << (mask % 64);
  return connected;
}

// A search state packed in 32 bits: the group's cells, 4 bits each, then the empty cell.
static_assert(4 * kMaxGroupTiles + 4 <= 32);
struct Packed {
  static std::uint32_t Pack(const std::uint8_t* cells, int k, unsigned blank) {
    std::uint32_t word = blank;
    for (int i = k; i-- > 0;) word = (word << 4) | cells[i];
    return word;
  }
  static unsigned Unpack(std::uint32_t word, std::uint8_t* cells, int k) {
    for (int i = 0; i < k; ++i, word >>= 4) cells[i] = static_cast<std::uint8_t>(word & 15);
    return word & 15;
  }
};

// Placements in rank order: each slot takes the free cells from the lowest up, so the
// placements come in the order of their ranks.
void PackPlacements(const std::vector<std::uint8_t>& table, const std::uint8_t* tiles, int k, int slot, unsigned used,
                    int manhattan, std::size_t& rank, std::vector<std::uint8_t>& packed) {
  if (slot == k) {
    const int excess = table[rank] - manhattan;  // even and never negative
    const auto half = static_cast<std::uint8_t>(std::min(excess / 2, kMaxHalfExcess));
    packed[rank / 2] = static_cast<std::uint8_t>(packed[rank / 2] | (half << ((rank & 1) * 4)));
    ++rank;
    return;
  }
  for (unsigned cell = 0; cell < 16; ++cell)
    if (!(used & (1u << cell)))
      PackPlacements(table, tiles, k, slot + 1, used | (1u << cell), manhattan + kCellDistance[tiles[slot] - 1u][cell],
                     rank, packed);
}

// The table's distances as half their excess over the Manhattan distances, two a byte.
void PackHalfExcess(const std::vector<std::uint8_t>& table, const std::uint8_t* tiles, int k,
                    std::vector<std::uint8_t>& packed) {
  packed.assign((table.size() + 1) / 2, 0);
  std::size_t rank = 0;
  PackPlacements(table, tiles, k, 0, 0, 0, rank, packed);
}

}  // namespace

PatternDatabase::PatternDatabase(std::span<const std::uint8_t> tiles, const std::atomic<bool>* cancel)
    : count_(static_cast<int>(tiles.size())) {
  const int k = count_;
  for (int i = 0; i < k; ++i) tiles_[static_cast<std::size_t>(i)] = tiles[static_cast<std::size_t>(i)];
  std::vector<std::uint8_t> table(TableSize(k), kUnknown);

  // Visited (placement, empty cell) pairs, the empty cell counted among the free cells.
  const auto freeCount = static_cast<std::size_t>(16 - k);
  std::vector<std::uint64_t> seen((table.size() * freeCount + 63) / 64);
  const auto markRegion = [&](std::uint32_t rank, unsigned region, unsigned freeCells) {
    const std::size_t base = rank * freeCount;
    for (unsigned r = region; r != 0; r &= r - 1) {
      const unsigned cell = static_cast<unsigned>(std::countr_zero(r));
      const std::size_t bit = base + static_cast<std::size_t>(BitCount16(freeCells & ((1u << cell) - 1)));
      seen[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  };
  const auto isSeen = [&](std::uint32_t rank, unsigned cell, unsigned freeCells) {
    const std::size_t bit = rank * freeCount + static_cast<std::size_t>(BitCount16(freeCells & ((1u << cell) - 1)));
    return (seen[bit / 64] >> (bit % 64)) & 1;
  };

  const std::vector<std::uint64_t> connected = ConnectedMasks();
  std::array<std::uint8_t, kMaxGroupTiles> cells{};
  unsigned occupied = 0;
  for (int i = 0; i < k; ++i) {
    cells[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tiles_[static_cast<std::size_t>(i)] - 1);
    occupied |= 1u << cells[static_cast<std::size_t>(i)];
  }
  const std::uint32_t goalRank = RankCells(cells.data(), k);
  table[goalRank] = 0;
  markRegion(goalRank, Region(15, ~occupied & kBoardMask), ~occupied & kBoardMask);

  std::vector<std::uint32_t> frontier{Packed::Pack(cells.data(), k, 15)}, next;
  for (std::uint8_t depth = 0; !frontier.empty(); ++depth) {
    next.clear();
    std::size_t expanded = 0;
    for (const std::uint32_t word : frontier) {
      if ((++expanded & 0xFFFF) == 0 && cancel && cancel->load(std::memory_order_relaxed)) throw Cancelled{};
      const unsigned blank = Packed::Unpack(word, cells.data(), k);
      occupied = 0;
      for (int i = 0; i < k; ++i) occupied |= 1u << cells[static_cast<std::size_t>(i)];
      const unsigned region = Region(blank, ~occupied & kBoardMask);
      // Each group tile beside the region may slide into it, leaving its cell empty.
      for (int i = 0; i < k; ++i) {
        const unsigned from = cells[static_cast<std::size_t>(i)];
        for (unsigned targets = Neighbours(1u << from) & region; targets != 0; targets &= targets - 1) {
          const auto to = static_cast<std::uint8_t>(std::countr_zero(targets));
          cells[static_cast<std::size_t>(i)] = to;
          const std::uint32_t rank = RankCells(cells.data(), k);
          const unsigned freeCells = ~(occupied ^ (1u << from) ^ (1u << to)) & kBoardMask;
          // Mostly the free cells are all connected; then the placement's distance alone
          // tells whether it was reached, and the visited pairs need no look.
          const bool known = table[rank] != kUnknown;
          const bool oneRegion = (connected[freeCells / 64] >> (freeCells % 64)) & 1;
          if (!(known && oneRegion) && !isSeen(rank, from, freeCells)) {
            markRegion(rank, Region(from, freeCells), freeCells);
            if (!known) table[rank] = static_cast<std::uint8_t>(depth + 1);
            next.push_back(Packed::Pack(cells.data(), k, from));
          }
          cells[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(from);
        }
      }
    }
    frontier.swap(next);
  }
  PackHalfExcess(table, tiles_.data(), k, owned_);
  entries_ = owned_.data();
  size_ = owned_.size();
}

PatternDatabase::PatternDatabase(std::span<const std::uint8_t> tiles, std::span<const std::uint8_t> entries)
    : count_(static_cast<int>(tiles.size())), entries_(entries.data()), size_(entries.size()) {
  for (int i = 0; i < count_; ++i) tiles_[static_cast<std::size_t>(i)] = tiles[static_cast<std::size_t>(i)];
}

template <class Kind>
PatternTablesOf<Kind> BuildTables(int threads, const std::atomic<bool>* cancel) {
  constexpr std::size_t kCount = Kind::kTableCount;
  const auto start = std::chrono::steady_clock::now();
  std::array<std::optional<PatternDatabase>, kCount> built;
  std::atomic<std::size_t> nextGroup{0};
  std::atomic<bool> cancelled{false};
  // Each thread takes the next table still to build.
  const auto work = [&] {
    try {
      for (std::size_t t; !cancelled && (t = nextGroup++) < kCount;)
        built[t].emplace(GroupTiles<Kind>(Kind::kTableGroup[t]), cancel);
    } catch (const PatternDatabase::Cancelled&) {
      cancelled = true;
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  if (cancelled) throw PatternDatabase::Cancelled{};
  PatternTablesOf<Kind> tables = [&]<std::size_t... g>(std::index_sequence<g...>) {
    return PatternTablesOf<Kind>{{std::move(*built[g])...}, 0};
  }
  (std::make_index_sequence<kCount>{});
  tables.buildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return tables;
}

template PatternTables BuildTables<FullTables>(int, const std::atomic<bool>*);
template SmallPatternTables BuildTables<SmallTables>(int, const std::atomic<bool>*);

}  // namespace quarvel::shortest
