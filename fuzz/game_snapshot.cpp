// A kept game's text: any text reads as nothing or as a game, and a game read writes back
// to text that reads as the same game.
#include "ui/game_snapshot.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const auto read = ReadGameSnapshot(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read) return 0;
  const std::string text = WriteGameSnapshot(*read);
  const auto again = ReadGameSnapshot(text);
  if (!again || WriteGameSnapshot(*again) != text || again->board != read->board || !read->board.IsSolvable())
    std::abort();
  return 0;
}
