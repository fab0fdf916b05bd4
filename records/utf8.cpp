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

Utf8Character DecodeCharacter(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return char32_t{static_cast<unsigned char>(text[at + k])}; };
  switch (ValidSequenceLength(text, at)) {
    case 2: return {((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F), 2};
    case 3: return {((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F), 3};
    case 4:
      return {((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F), 4};
    default:  // ASCII, or a stray byte read as Latin-1
      return {byte(0), 1};
  }
}

bool IsControlCharacter(char32_t code) {
  return code <= 0x1F || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029 || code == 0x061C ||
         code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

bool HasControlCharacter(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Character c = DecodeCharacter(bytes, i);
    if (IsControlCharacter(c.code)) return true;
    i += c.length;
  }
  return false;
}

bool IsRightToLeftCharacter(char32_t code) {
  return (code >= 0x0590 && code <= 0x08FF) ||  // Hebrew, Arabic, Syriac, Thaana, NKo, ...
         (code >= 0xFB1D && code <= 0xFDFF) ||  // their presentation forms
         (code >= 0xFE70 && code <= 0xFEFC) ||
         (code >= 0x10800 && code <= 0x10FFF) ||  // historic scripts written right to left
         (code >= 0x1E800 && code <= 0x1EFFF);
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
