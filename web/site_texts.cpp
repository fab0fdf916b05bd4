// Writes the site's own documents in English and in every language it has a catalogue for,
// when the site is built (run by node): the help page and the web app manifest, from
// templates that name each text by its identity ("{HelpGoal}"), so that every text stays
// written once, in the catalogue.
//   quarvel-site-texts SITE_FOLDER HELP_TEMPLATE MANIFEST_TEMPLATE
// It writes help.html and manifest.webmanifest, and help.LANG.html and
// manifest.LANG.webmanifest for each catalogue in SITE_FOLDER/locale/LANG; exit status 1
// when a template names a text there is none of, or a catalogue cannot be used.
#include <algorithm>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gettext_translator.h"
#include "ui/texts.h"
#include "web/json_text.h"

namespace {

using namespace quarvel;

struct NamedText {
  std::string_view name;
  TextId id;
};

constexpr NamedText kSiteTexts[] = {
    {"HelpTitle", TextId::HelpTitle},
    {"HelpGoal", TextId::HelpGoal},
    {"HelpMovesHeading", TextId::HelpMovesHeading},
    {"HelpTap", TextId::HelpTap},
    {"HelpSwipe", TextId::HelpSwipe},
    {"HelpKeys", TextId::HelpKeys},
    {"HelpShowMe", TextId::HelpShowMe},
    {"HelpRecordsHeading", TextId::HelpRecordsHeading},
    {"HelpFame", TextId::HelpFame},
    {"HelpStorage", TextId::HelpStorage},
    {"HelpDownload", TextId::HelpDownload},
    {"HelpBack", TextId::HelpBack},
    {"WebAppName", TextId::WebAppName},
    {"WebAppShortName", TextId::WebAppShortName},
    {"WebAppDescription", TextId::WebAppDescription},
};

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Quoted(std::string_view text) {
  web::JsonText json;
  json.String(text);
  return json.str();
}

// The text a template names, with the captions the help names filled in; nothing for a
// name that is not a text's.
std::optional<std::string> TextNamed(std::string_view name) {
  for (const NamedText& text : kSiteTexts)
    if (text.name == name)
      return Text(text.id, {{"new_game", Text(TextId::NewGameButton)},
                            {"show_me", Text(TextId::ShowMeButton)},
                            {"hall_of_fame", Text(TextId::HallOfFameTitle)},
                            {"save", Text(TextId::SaveButton)},
                            {"reload", Text(TextId::ReloadButton)}});
  return std::nullopt;
}

// The template with every {Name} replaced by its text, written as `quote` writes it, and
// {lang} by the language's tag; nothing when it names a text there is none of.
template <typename Quote>
std::optional<std::string> Filled(const std::string& page, std::string_view language, Quote quote) {
  std::string out;
  for (std::size_t at = 0; at < page.size();) {
    const std::size_t open = page.find('{', at);
    const std::size_t close = open == std::string::npos ? open : page.find('}', open);
    const std::string_view name =
        close == std::string::npos ? std::string_view() : std::string_view(page).substr(open + 1, close - open - 1);
    const bool named =
        !name.empty() &&
        name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos;
    if (!named) {  // the page's own braces: its style, or none left
      const std::size_t end = open == std::string::npos ? page.size() : open + 1;
      out.append(page, at, end - at);
      at = end;
      continue;
    }
    out.append(page, at, open - at);
    if (name == "lang") {
      out += quote(language);
    } else if (const auto text = TextNamed(name)) {
      out += quote(*text);
    } else {
      std::cerr << "no text named " << name << "\n";
      return std::nullopt;
    }
    at = close + 1;
  }
  return out;
}

std::optional<std::string> Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Write(const std::string& path, const std::optional<std::string>& content) {
  if (!content) return false;
  std::ofstream out(path, std::ios::binary);
  return static_cast<bool>(out << *content);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::cerr << "usage: quarvel-site-texts SITE_FOLDER HELP_TEMPLATE MANIFEST_TEMPLATE\n";
    return 2;
  }
  const std::string site = argv[1];
  const auto help = Read(argv[2]);
  const auto manifest = Read(argv[3]);
  if (!help || !manifest) {
    std::cerr << "cannot read the templates\n";
    return 1;
  }
  std::vector<std::string> languages;
  for (const auto& folder : std::filesystem::directory_iterator(site + "/locale"))
    if (std::filesystem::exists(folder.path() / "LC_MESSAGES" / (std::string(kTextDomain) + ".mo")))
      languages.push_back(folder.path().filename());
  std::sort(languages.begin(), languages.end());
  for (std::size_t k = 0; k <= languages.size(); ++k) {
    std::optional<GettextTranslator> translator;
    std::string suffix, tag = "en";
    if (k > 0) {
      const std::string& language = languages[k - 1];
      std::setlocale(LC_MESSAGES, language.c_str());
      const std::string_view chosen[] = {language};
      translator.emplace(site + "/locale", chosen);
      if (!translator->Translating()) {
        std::cerr << "no whole catalogue for " << language << "\n";
        return 1;
      }
      UseTranslator(&*translator);
      suffix = "." + language;
      tag = language;
      std::replace(tag.begin(), tag.end(), '_', '-');
    }
    if (!Write(site + "/help" + suffix + ".html", Filled(*help, tag, Escaped)) ||
        !Write(site + "/manifest" + suffix + ".webmanifest", Filled(*manifest, tag, Quoted)))
      return 1;
    UseTranslator(nullptr);
  }
  return 0;
}
