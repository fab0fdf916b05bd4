#pragma once
// Text in the record files is UTF-8; bytes that are not valid UTF-8 are taken as Latin-1.
#include <cstddef>
#include <string>
#include <string_view>

namespace quarvel {

// The bytes as valid UTF-8: valid sequences are kept, every other byte is read as the
// Latin-1 character of that code.
std::string ToUtf8Lenient(std::string_view bytes);

// One character of the text at a byte offset, read as ToUtf8Lenient reads it: the code
// point of a valid sequence of one to four bytes, or else the Latin-1 character of one byte.
struct Utf8Character {
  char32_t code;
  std::size_t length;  // in bytes, at least 1
};
Utf8Character DecodeCharacter(std::string_view text, std::size_t at);

// Control characters (U+0000 to U+001F, U+007F to U+009F), the line and paragraph
// separators (U+2028, U+2029) and the direction controls (U+061C, U+200E, U+200F, U+202A to
// U+202E, U+2066 to U+2069): characters that would break a record's line or reorder the
// text around them.
bool IsControlCharacter(char32_t code);

// Whether the text, read as ToUtf8Lenient reads it, holds a control character.
bool HasControlCharacter(std::string_view bytes);

// Letters of the scripts written right to left (Hebrew, Arabic and their neighbours).
bool IsRightToLeftCharacter(char32_t code);

// Characters (code points) of valid UTF-8 text; a stray byte counts as one.
std::size_t CountCharacters(std::string_view text);

}  // namespace quarvel
