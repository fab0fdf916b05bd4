// The console's script reader: any line is a command, a skip or an error; a command reads
// the same again from the text it is echoed with; STRINGs survive quoting; random values
// are the decimal reals they spell, in [0, 1); an error's text holds no control byte.
#include "console/script_reader.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameCommand(const quarvel::console::ScriptCommand& a, const quarvel::console::ScriptCommand& b) {
  return a.name == b.name && a.strings == b.strings && a.number == b.number && a.moment == b.moment &&
         a.values == b.values && a.text == b.text;
}

// The word's value by the C library; nothing when it is out of [0, 1) or not a number.
bool InUnitRange(const std::string& word, double& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size()) return false;
  return value >= 0 && value < 1;  // an underflow gives a value in range
}

void CheckLine(std::string_view line) {
  using namespace quarvel::console;
  const ParsedLine parsed = ParseScriptLine(line);
  if (const auto* error = std::get_if<ParseError>(&parsed))
    for (const char c : error->why) Require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
  const auto* command = std::get_if<ScriptCommand>(&parsed);
  if (!command) return;
  const ParsedLine again = ParseScriptLine(command->text);
  const auto* same = std::get_if<ScriptCommand>(&again);
  Require(same && SameCommand(*command, *same));
  if (command->name == "random") {
    // Each value is what strtod reads from its word.
    std::size_t k = 0;
    std::string_view rest = std::string_view(command->text).substr(7);
    while (!rest.empty()) {
      const std::size_t blank = rest.find(' ');
      const std::string word(rest.substr(0, blank));
      rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
      double expected = 0;
      Require(k < command->values.size() && InUnitRange(word, expected));
      Require(command->values[k] == expected || (errno == ERANGE && command->values[k] == 0));
      ++k;
    }
    Require(k == command->values.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel::console;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find('\n', start);
    const std::string_view line = input.substr(start, end == std::string_view::npos ? input.npos : end - start);
    CheckLine(line);
    // Any text survives as a STRING.
    const std::string string(line);
    const ParsedLine answer = ParseScriptLine("answer " + Quote(string));
    const auto* command = std::get_if<ScriptCommand>(&answer);
    Require(command && command->strings.size() == 1 && command->strings[0] == string);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return 0;
}
