#include "platform/gettext_translator.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <memory>

namespace quarvel {
namespace {

// The translation msgfmt writes last: its context sorts after every other text's (po/seal.po).
constexpr std::string_view kSeal{"end of catalogue", sizeof "end of catalogue"};  // with its NUL

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A missing catalogue is no damage: gettext passes over it.
bool SealedOrMissing(const std::string& path) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return true;
  if (std::fseek(file.get(), -static_cast<long>(kSeal.size()), SEEK_END) != 0) return false;
  std::string end(kSeal.size() + 1, '\0');  // one byte more: the seal must end the file
  end.resize(std::fread(end.data(), 1, end.size(), file.get()));
  return end == kSeal;
}

// The key gettext files a text under: its context and the text, joined by EOT.
std::string Key(const char* context, const char* english) {
  return *context ? std::string(context) + '\4' + english : std::string(english);
}

}  // namespace

void UseEnvironmentLocale() {
  if (!std::setlocale(LC_ALL, "")) std::setlocale(LC_MESSAGES, "C.UTF-8");
}

GettextTranslator::GettextTranslator(const std::string& folder, std::span<const std::string_view> shipped) {
  const bool whole = std::all_of(shipped.begin(), shipped.end(), [&](std::string_view language) {
    return SealedOrMissing(folder + '/' + std::string(language) + "/LC_MESSAGES/" + kTextDomain + ".mo");
  });
  if (!whole || !bindtextdomain(kTextDomain, folder.c_str())) return;
  // A C library that speaks only UTF-8 answers this with no codeset at all.
  bind_textdomain_codeset(kTextDomain, "UTF-8");
  translating_ = *dgettext(kTextDomain, "") != '\0';  // the header of the catalogue gettext found
}

// gettext hands back the very text it was asked for when its catalogue lacks it.
std::string_view GettextTranslator::Translate(const char* context, const char* english) {
  if (!translating_) return {};
  const std::string key = Key(context, english);
  const char* translated = dgettext(kTextDomain, key.c_str());
  return translated == key.c_str() ? std::string_view{} : translated;
}

std::string_view GettextTranslator::TranslateCounted(const char* context, const char* one, const char* many,
                                                     unsigned long count) {
  if (!translating_) return {};
  const std::string key = Key(context, one);
  const char* translated = dngettext(kTextDomain, key.c_str(), many, count);
  return translated == key.c_str() || translated == many ? std::string_view{} : translated;
}

}  // namespace quarvel
