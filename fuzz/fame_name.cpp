// A winner's name, from the prompt to Fame.dat to the listing, both ways round: the input
// itself, which, when the prompt accepts it, comes back unchanged as the one entry of the file
// and at the head of its listing line, and when refused writes nothing; and a name of up to
// 14 printable characters drawn from the input, which must be accepted. No name may bring a
// line break into the file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "platform/scripted.h"
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"
#include "tests/support/send_events.h"
#include "ui/program.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr const char* kHome =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

// Up to 14 printable characters, from left-to-right scripts, emoji and beyond, three input
// bytes each; no double quote.
std::string PrintableName(const std::uint8_t* data, std::size_t size) {
  static constexpr std::pair<char32_t, char32_t> kBlocks[] = {
      {0x23, 0x7E},       {0xA0, 0x24F},      {0x370, 0x3FF},     {0x4E00, 0x9FFF},
      {0x1D400, 0x1D7CB}, {0x1F300, 0x1F64F}, {0x20000, 0x2A6DF}, {0xAC00, 0xD7A3}};
  std::string name;
  for (std::size_t i = 0; i + 2 < size && i < 42; i += 3) {
    const auto& [first, last] = kBlocks[data[i] % std::size(kBlocks)];
    const char32_t c = first + (char32_t{data[i + 1]} << 8 | data[i + 2]) % (last - first + 1);
    const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    name += static_cast<char>(length == 1 ? c : (0xF00 >> length | c >> 6 * (length - 1)));
    for (int k = length - 2; k >= 0; --k) name += static_cast<char>(0x80 | (c >> 6 * k & 0x3F));
  }
  return name;
}

// Wins game 0 and answers the name prompt with `name`; true when it was accepted, which the
// file and the listing must then show unchanged.
bool EnterName(const std::string& name) {
  using namespace quarvel;
  struct Player : testing::SendsEvents<Player> {
    ScriptedClock clock{ToDateTime({2026, 1, 1, 9, 0, 0})};
    Boxes boxes;
    ScriptedDialogs dialogs;
    ScriptedWindowSystem windows;
    MemoryFileStore files;
    ScriptedDrawList draws;
    ScriptedShortestSolutions shortest;
    Program program{Services{clock, boxes, windows, files, draws, shortest}};
  } player;
  MemoryFileStore& files = player.files;
  ScriptedDialogs& dialogs = player.dialogs;
  const Program& program = player.program;
  files.files["quarvel.dat"] = kHome;
  Require(player.Start());
  // Game 0, the solved arrangement, won by a tile there and back.
  Require(player.Send(EventId::NewGame) && player.Send(EventId::GiveUp));
  player.Type("0");
  Require(player.Send(EventId::Replay));
  player.clock.Advance(5);
  player.Tile(15);
  dialogs.answers.push_back(name);  // a refusal asks again and is cancelled
  player.Tile(15);

  const bool refused = dialogs.transcript.size() > 2 && dialogs.transcript[2].starts_with("message Error!|");
  const auto file = files.files.find(kFameFile);
  if (refused || name.empty()) {
    Require(file == files.files.end());
    return false;
  }
  Require(file != files.files.end());
  const std::string stored = ToUtf8Lenient(name);
  Require(file->second.find_first_of("\r\n") == file->second.size() - 2);  // one line
  const auto entries = ParseFameFile(file->second);
  Require(entries.size() == 1 && entries[0].Name == stored && entries[0].GameNumber == "0");
  Require(player.Send(EventId::HallOfFame));
  // The listing's third line, split at CR LF as the window shows it (a file's reader would
  // drop a byte order mark at the start of the line, which is the name's here).
  std::string_view listing = program.windows().listing;
  for (int line = 0; line < 2; ++line) listing.remove_prefix(listing.find("\r\n") + 2);
  if (listing.starts_with("\u2068")) {  // a right-to-left name, isolated in its column
    listing.remove_prefix(3);
    Require(listing.substr(std::min(stored.size(), listing.size())).starts_with("\u2069"));
  }
  Require(listing.starts_with(stored) && listing.ends_with("\r\n") && listing.find("\r\n") == listing.size() - 2);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterName(std::string(reinterpret_cast<const char*>(data), size));
  const std::string printable = PrintableName(data, size);
  Require(printable.empty() || EnterName(printable));
  return 0;
}
