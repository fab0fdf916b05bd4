#pragma once
#include <string_view>
#include <vector>

namespace quarvel {

// Byte order marks, as some editors put at the start of a file, are dropped at the start of
// every line: a line read in the middle of a file reads the same once a rewrite has made
// it the first.
inline std::string_view WithoutByteOrderMarks(std::string_view line) {
  while (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  return line;
}

// Calls `visit` with each line of a text without its end; CR LF, LF and CR all end a line,
// and a last line without an end counts as well. Byte order marks at the start of a line
// are dropped. Holds no copy of the lines.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    visit(WithoutByteOrderMarks(text.substr(start, i - start)));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) visit(WithoutByteOrderMarks(text.substr(start)));
}

// The lines of a text as ForEachLine visits them.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace quarvel
