#pragma once
// The catalogue's texts in the player's language, with their arguments filled in.
// Until UseTranslations is called every text is English, as the console needs.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/platform.h"
#include "ui/text_catalogue.h"

namespace quarvel {

inline constexpr const char* kTextDomain = "quarvel-orbix";

struct TextArgument {
  std::string_view name;
  std::string value;
};
using TextArguments = std::initializer_list<TextArgument>;

// The text with each "{name}" replaced by its argument. A translation whose placeholders
// are not exactly the English text's is not used: that message is shown in English.
std::string Text(TextId id, TextArguments arguments = {});
// A counted text in the form for `count`, which fills "{count}".
std::string CountedText(TextId id, std::int64_t count, TextArguments arguments = {});
// A caption or name taken from a window's layout (English, from the catalogue).
std::string TranslatedCaption(std::string_view english);

// The failure in words, e.g. "Cannot read Fame.dat: Is a directory.".
std::string FailureText(const FileFailure& failure);

// Turns on the translations under `localeFolder` (LANG/LC_MESSAGES/quarvel-orbix.mo) for the
// language the locale's environment chooses. A catalogue that is missing or damaged
// leaves the game in English. Returns whether a translation is in use.
bool UseTranslations(const std::string& localeFolder);
// Back to English.
void StopTranslations();

// Whether a compiled catalogue (.mo) is whole: its header, tables and strings within the
// file. glibc trusts the file's offsets.
bool IsWholeCatalogue(std::string_view content);

}  // namespace quarvel
