#pragma once
// Doubles as decimal text without the locale, as the standard's std::to_chars and
// std::from_chars write and read them: the shortest text that reads back as the same
// value (fixed or scientific, whichever is shorter), and [-]digits[.digits][e[+|-]digits],
// inf or nan read back. Standard libraries without their floating-point overloads (the
// WebAssembly build's) get our own, which the tests hold to the library's.
#include <charconv>
#include <string>
#include <string_view>

namespace quarvel {

std::string ShortestDecimal(double value);

// As std::from_chars: `value` is set only when the result's error is std::errc().
std::from_chars_result ReadDecimal(std::string_view text, double& value);

namespace portable {
std::string ShortestDecimal(double value);
std::from_chars_result ReadDecimal(std::string_view text, double& value);
}  // namespace portable

}  // namespace quarvel
