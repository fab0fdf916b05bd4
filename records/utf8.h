#pragma once
// Text in the record files is UTF-8; bytes that are not valid UTF-8 are taken as Latin-1.
#include <cstddef>
#include <string>
#include <string_view>

namespace quarvel {

// The bytes as valid UTF-8: valid sequences are kept, every other byte is read as the
// Latin-1 character of that code.
std::string ToUtf8Lenient(std::string_view bytes);

// Whether the text, read as ToUtf8Lenient reads it, holds a control character (U+0000 to
// U+001F, U+007F to U+009F) or a line or paragraph separator (U+2028, U+2029).
bool HasControlCharacter(std::string_view bytes);

// Characters (code points) of valid UTF-8 text; a stray byte counts as one.
std::size_t CountCharacters(std::string_view text);

}  // namespace quarvel
