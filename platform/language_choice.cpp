#include "platform/language_choice.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quarvel {
namespace {

// A language tag's parts, lower case: the language, and the script Chinese is written in
// ("hans" or "hant"; empty for any other language) and the region.
struct Tag {
  std::string language;
  std::string script;
  std::string region;
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

Tag Parse(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t end = std::min(text.find_first_of("-_", begin), text.size());
    parts.push_back(Lower(text.substr(begin, end - begin)));
    begin = end + 1;
  }
  Tag tag{parts[0], "", ""};
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (parts[i].size() == 4 && tag.script.empty() && tag.region.empty())
      tag.script = parts[i];
    else if ((parts[i].size() == 2 || parts[i].size() == 3) && tag.region.empty())
      tag.region = parts[i];
  }
  if (tag.language == "zh") {
    if (tag.script.empty()) {
      const bool traditional = tag.region == "tw" || tag.region == "hk" || tag.region == "mo";
      tag.script = traditional ? "hant" : "hans";
    }
  } else {
    tag.script.clear();
  }
  return tag;
}

bool Usable(const Tag& tag) {
  return tag.language.size() >= 2 && tag.language.size() <= 3 &&
         std::all_of(tag.language.begin(), tag.language.end(), [](unsigned char c) { return std::isalpha(c); });
}

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string_view> shipped) {
  for (const std::string& text : preferred) {
    const Tag wanted = Parse(text);
    if (!Usable(wanted)) continue;
    if (wanted.language == "en") return "";
    std::string_view sameLanguage;
    for (std::string_view language : shipped) {
      const Tag have = Parse(language);
      if (have.language != wanted.language || have.script != wanted.script) continue;
      if (have.region == wanted.region) return std::string(language);
      if (sameLanguage.empty()) sameLanguage = language;
    }
    if (!sameLanguage.empty()) return std::string(sameLanguage);
  }
  return "";
}

}  // namespace quarvel
