#pragma once
// The game's texts from its gettext catalogues, in the language gettext chooses from the
// locale's environment: LANGUAGE, else LC_ALL, LC_MESSAGES or LANG.
#include <span>
#include <string>
#include <string_view>

#include "core/translator.h"

namespace quarvel {

inline constexpr const char* kTextDomain = "quarvel-orbix";

// Takes the locale from the environment for the whole program, once, at the start of main.
// Under a locale the system lacks the messages take the built-in C.UTF-8 locale, so that a
// LANGUAGE list still chooses the language, as it does under every locale but C.
void UseEnvironmentLocale();

class GettextTranslator final : public Translator {
 public:
  // Binds the text domain to `folder` (LANG/LC_MESSAGES/quarvel-orbix.mo). The build ends
  // every catalogue with a seal, which msgfmt writes last; should the catalogue of one of
  // the `shipped` languages there lack it, it is damaged and every text stays English.
  GettextTranslator(const std::string& folder, std::span<const std::string_view> shipped);

  // Whether a catalogue is in use: the catalogues are whole and gettext found one for the
  // language the environment chooses.
  bool Translating() const { return translating_; }

  std::string_view Translate(const char* context, const char* english) override;
  std::string_view TranslateCounted(const char* context, const char* one, const char* many,
                                    unsigned long count) override;

 private:
  bool translating_ = false;
};

}  // namespace quarvel
