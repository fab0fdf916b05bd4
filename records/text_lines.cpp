#include "records/text_lines.h"

namespace quarvel {

namespace {

// Byte order marks, as some editors put at the start of a file, are dropped at the start of
// every line: a line read in the middle of a file reads the same once a rewrite has made
// it the first.
std::string_view WithoutByteOrderMarks(std::string_view line) {
  while (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  return line;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(WithoutByteOrderMarks(text.substr(start, i - start)));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(WithoutByteOrderMarks(text.substr(start)));
  return lines;
}

}  // namespace quarvel
