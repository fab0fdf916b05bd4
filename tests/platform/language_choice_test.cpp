// The page's language, from the browser's list of the player's languages.
#include "platform/language_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvel {
namespace {

TEST(LanguageChoice, TheFirstPreferredLanguageTheGameHasElseEnglish) {
  constexpr std::string_view kShipped[] = {"de", "es", "fr", "ja", "pt_BR", "zh_CN"};
  struct Case {
    std::vector<std::string> preferred;
    std::string chosen;
  };
  const Case cases[] = {
      {{"de-AT", "fr"}, "de"},
      {{"DE_de"}, "de"},
      {{"en-US", "de"}, ""},  // English before German: the game's own texts
      {{"sv", "it", "fr-CA"}, "fr"},
      {{"pt"}, "pt_BR"},
      {{"pt-PT"}, "pt_BR"},
      {{"es-419"}, "es"},
      {{"zh"}, "zh_CN"},
      {{"zh-Hans-HK"}, "zh_CN"},
      {{"zh-TW", "ja"}, "ja"},
      {{"zh-Hant"}, ""},
      {{"", "*", "-", "d3", "de"}, "de"},
      {{}, ""},
  };
  for (const Case& c : cases) {
    std::string list;
    for (const std::string& tag : c.preferred) list += tag + ' ';
    EXPECT_EQ(ChooseLanguage(c.preferred, kShipped), c.chosen) << list;
  }
}

}  // namespace
}  // namespace quarvel
