#pragma once
// Input text quoted in a message for a terminal: nothing in it can move the cursor, change
// colours or flood the screen.
#include <string>
#include <string_view>

namespace quarvel {

// At most this many characters of the text are shown, then "...".
inline constexpr std::size_t kQuotedCharacters = 40;

// The text in double quotes: control bytes and bytes that are not UTF-8 written as escapes
// (\r, \n, \t, \x1b), a backslash or a double quote with a backslash before it.
std::string QuotedText(std::string_view text);

}  // namespace quarvel
