#pragma once
// The player's language, which the text layer asks for each text the player sees: gettext's
// catalogues in the desktop program, a map in tests. Without one every text is English.
#include <string_view>

namespace quarvel {

class Translator {
 public:
  virtual ~Translator() = default;
  // The translation of `english` used in `context` ("" for a text without one), or an
  // empty view when there is none. Both are NUL-terminated texts of the catalogue.
  virtual std::string_view Translate(const char* context, const char* english) = 0;
  // The form of a counted text for `count`, given its English forms for one and for many;
  // an empty view when there is none.
  virtual std::string_view TranslateCounted(const char* context, const char* one, const char* many,
                                            unsigned long count) = 0;
};

}  // namespace quarvel
