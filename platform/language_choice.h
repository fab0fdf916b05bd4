#pragma once
// The language a player reads, chosen from the languages they prefer, in their order (a
// browser's language tags: "de-AT", "pt-BR", "zh-Hant-TW"), among the game's catalogues
// ("de", "pt_BR", "zh_CN").
#include <span>
#include <string>
#include <string_view>

namespace quarvel {

// The first preferred language the game has a catalogue for, or "" for English (the game's
// own language, also where the player prefers English to anything the game has). A
// catalogue of the tag's own region is taken before one of another region; Chinese in
// traditional characters (Hant, or Taiwan, Hong Kong and Macao) is never given the
// simplified catalogue.
std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string_view> shipped);

}  // namespace quarvel
