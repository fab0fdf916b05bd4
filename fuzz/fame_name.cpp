// A winner's name, from the prompt to Fame.dat to the listing: a name the prompt accepts
// comes back unchanged as the one entry of the file and at the head of its listing line;
// a name it refuses writes nothing. No name may bring a line break into the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/scripted.h"
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"
#include "ui/program.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr const char* kHome =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string name(reinterpret_cast<const char*>(data), size);

  ScriptedClock clock(ToDateTime({2026, 1, 1, 9, 0, 0}));
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windows;
  MemoryFileStore files;
  ScriptedDrawList draws;
  files.files["quarvel.dat"] = kHome;
  Program program(Services{clock, dialogs, windows, files, draws});
  Require(program.Start());
  // Game 0, the solved arrangement, won by a tile there and back.
  Require(program.ClickNewGame() && program.ClickGiveUp());
  program.TypeGameNumber("0");
  Require(program.ClickReplay());
  clock.Advance(5);
  program.ClickTile(15);
  dialogs.answers.push_back(name);  // a refusal asks again and is cancelled
  program.ClickTile(15);

  const bool refused = dialogs.transcript.size() > 2 && dialogs.transcript[2].starts_with("message Error!|");
  const auto file = files.files.find(kFameFile);
  if (refused || name.empty()) {
    Require(file == files.files.end());
    return 0;
  }
  Require(file != files.files.end());
  const std::string stored = ToUtf8Lenient(name);
  Require(file->second.find_first_of("\r\n") == file->second.size() - 2);  // one line
  const auto entries = ParseFameFile(file->second);
  Require(entries.size() == 1 && entries[0].Name == stored && entries[0].GameNumber == "0");
  Require(program.ClickHallOfFame());
  // The listing's third line, split at CR LF as the window shows it (a file's reader would
  // drop a byte order mark at the start of the line, which is the name's here).
  std::string_view listing = program.windows().listing;
  for (int line = 0; line < 2; ++line) listing.remove_prefix(listing.find("\r\n") + 2);
  Require(listing.starts_with(stored) && listing.ends_with("\r\n") && listing.find("\r\n") == listing.size() - 2);
  return 0;
}
