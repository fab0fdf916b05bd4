#include "core/quoted_text.h"

namespace quarvel {
namespace {

// Length of the UTF-8 sequence at the start of `text` when it is a whole printable
// character beyond ASCII, else 0.
std::size_t PrintableSequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  const unsigned second = byte(1);
  const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
  const bool beyond = (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);  // surrogates, > U+10FFFF
  const bool c1Control = lead == 0xC2 && second < 0xA0;
  return overlong || beyond || c1Control ? 0 : length;
}

}  // namespace

std::string QuotedText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "\"";
  std::size_t shown = 0;
  for (std::size_t i = 0; i < text.size(); ++shown) {
    if (shown == kQuotedCharacters) return quoted + "...\"";
    const auto c = static_cast<unsigned char>(text[i]);
    if (const std::size_t length = PrintableSequence(text.substr(i))) {
      quoted.append(text.substr(i, length));
      i += length;
      continue;
    }
    ++i;
    if (c == '\\' || c == '"')
      quoted.append({'\\', static_cast<char>(c)});
    else if (c == '\r')
      quoted.append("\\r");
    else if (c == '\n')
      quoted.append("\\n");
    else if (c == '\t')
      quoted.append("\\t");
    else if (c < 0x20 || c >= 0x7F)
      quoted.append({'\\', 'x', kHex[c >> 4], kHex[c & 15]});
    else
      quoted.push_back(static_cast<char>(c));
  }
  return quoted + '"';
}

}  // namespace quarvel
