#pragma once
#include <string_view>
#include <vector>

namespace quarvel {

// The lines of a text without their ends; CR LF, LF and CR all end a line, and a last
// line without an end counts as well. Byte order marks at the start of a line are dropped.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace quarvel
