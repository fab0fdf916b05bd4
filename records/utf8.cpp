#include "records/utf8.h"

namespace quarvel {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when there is none.
std::size_t ValidSequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string ToUtf8Lenient(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    // A run of ASCII, all of most files, is copied in one piece.
    std::size_t end = i;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
    if (end > i) {
      text.append(bytes.substr(i, end - i));
      i = end;
      continue;
    }
    const std::size_t length = ValidSequenceLength(bytes, i);
    if (length > 0) {
      text.append(bytes.substr(i, length));
      i += length;
    } else {
      const auto latin1 = static_cast<unsigned char>(bytes[i++]);
      text += static_cast<char>(0xC0 | (latin1 >> 6));
      text += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
  }
  return text;
}

bool HasControlCharacter(std::string_view bytes) {
  const std::string text = ToUtf8Lenient(bytes);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = ValidSequenceLength(text, i);  // always valid here
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    char32_t code = 0;
    if (length == 1) code = byte(0);
    else if (length == 2) code = (char32_t{byte(0) & 0x1Fu} << 6) | (byte(1) & 0x3Fu);
    else if (length == 3) code = (char32_t{byte(0) & 0x0Fu} << 12) | (char32_t{byte(1) & 0x3Fu} << 6) | (byte(2) & 0x3Fu);
    if (code <= 0x1F || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029) return true;
    i += length > 0 ? length : 1;
  }
  return false;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const std::size_t length = ValidSequenceLength(text, i);
    i += length > 0 ? length : 1;
  }
  return count;
}

}  // namespace quarvel
