#pragma once
// The catalogue's texts in the player's language, with their arguments filled in.
// Until UseTranslator is called every text is English, as the console needs.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/platform.h"
#include "core/translator.h"
#include "ui/text_catalogue.h"

namespace quarvel {

struct TextArgument {
  std::string_view name;
  std::string value;
};
using TextArguments = std::initializer_list<TextArgument>;

// Every text from now on in the language of `translator`, which must outlive its use;
// nullptr: English. The program sets it once, at start-up.
void UseTranslator(Translator* translator);

// The text with each "{name}" replaced by its argument; arguments the text does not name
// are left out. A translation whose placeholders are not the English text's is not used:
// that message is shown in English.
std::string Text(TextId id, TextArguments arguments = {});
// A counted text in the form for `count`, which fills "{count}". Its translated forms may
// leave out placeholders of the English text (as "one move" does), never add any.
std::string CountedText(TextId id, std::int64_t count, TextArguments arguments = {});

// The failure in words, e.g. "Cannot read Fame.dat: Is a directory.".
std::string FailureText(const FileFailure& failure);

}  // namespace quarvel
