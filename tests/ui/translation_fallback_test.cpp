// A bad translation never breaks the game: a text whose placeholders differ from the
// English text's gives that message in English, and a catalogue that is damaged or missing
// gives English throughout.
#include <gtest/gtest.h>
#include <locale.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/gettext_translator.h"
#include "platform/scripted.h"
#include "ui/texts.h"

namespace quarvel::testing {
namespace {

const FileFailure kDirectory(FileAction::Read, "Fame.dat", FileProblem::System, EISDIR);

TEST(TranslationFallback, ATranslationWithOtherPlaceholdersGivesThatMessageInEnglish) {
  ScriptedTranslator translator;
  translator.texts = {{{"", "Cannot read {file}: {reason}."}, {"{file} unlesbar: {reason}."}},
                      {{"", "Cannot delete {file}: {reason}."}, {"{file} nicht gelöscht."}},
                      {{"reason a file action failed", "Is a directory"}, {"ein Ordner"}},
                      {{"reason a file action failed", "{count} MiB"}, {"{anzahl} MiB"}},
                      {{"reason a file action failed", "{count} byte"}, {"ein Byte", "{count Bytes"}},
                      {{"reason a file action failed", "it is larger than {size}"}, {"größer als {size}"}}};
  const FileFailure deleted(FileAction::Delete, "Fame.dat", FileProblem::System, EISDIR);
  const FileFailure tooLarge(FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 2 << 20);
  const FileFailure oneByte(FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 1);
  const FileFailure oddSize(FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 1000);
  const struct {
    const char* name;
    const FileFailure& failure;
    const char* shown;
  } cases[] = {
      {"translated", kDirectory, "Fame.dat unlesbar: ein Ordner."},
      {"a placeholder left out", deleted, "Cannot delete Fame.dat: ein Ordner."},
      {"an unknown placeholder", tooLarge, "Fame.dat unlesbar: größer als 2 MiB."},
      {"a counted form without its count", oneByte, "Fame.dat unlesbar: größer als ein Byte."},
      {"an unpaired brace", oddSize, "Fame.dat unlesbar: größer als 1000 bytes."},
  };
  UseTranslator(&translator);
  for (const auto& c : cases) EXPECT_EQ(FailureText(c.failure), c.shown) << c.name;
  UseTranslator(nullptr);
}

// A compiled catalogue (.mo) of these pairs, given sorted by their keys, without a hash
// table; it ends with the seal, as the build's catalogues do.
std::string CompiledCatalogue(std::vector<std::pair<std::string, std::string>> texts) {
  texts.insert(texts.begin(), {"", "Content-Type: text/plain; charset=UTF-8\n"});
  texts.emplace_back(std::string("~\4end of catalogue"), "end of catalogue");
  const auto count = static_cast<std::uint32_t>(texts.size());
  std::vector<std::uint32_t> words{0x950412de, 0, count, 28, 28 + 8 * count, 0, 28 + 16 * count};
  std::string strings;
  const std::uint32_t start = 28 + 16 * count;
  for (int column = 0; column < 2; ++column)
    for (const auto& pair : texts) {
      const std::string& text = column == 0 ? pair.first : pair.second;
      words.push_back(static_cast<std::uint32_t>(text.size()));
      words.push_back(start + static_cast<std::uint32_t>(strings.size()));
      strings += text + '\0';
    }
  std::string file(reinterpret_cast<const char*>(words.data()), words.size() * 4);
  return file + strings;
}

// gettext reads LANGUAGE (de, as ctest sets it) under any messages locale but C.
TEST(TranslationFallback, ADamagedOrMissingCatalogueGivesEnglishThroughout) {
  const std::string good =
      CompiledCatalogue({{"Lines over pages", std::string(9000, 'x')}, {"message box title\4Error!", "Fehler!"}});
  const struct {
    const char* name;
    std::string catalogue;  // empty: no file
    bool translated;
  } cases[] = {
      {"whole", good, true},
      {"cut short", good.substr(0, good.size() - 30), false},
      {"cut short by pages", good.substr(0, 4000), false},
      {"tables out of the file", good.substr(0, 40), false},
      {"not a catalogue", std::string(200, 'x'), false},
      {"no catalogue", "", false},
  };
  const locale_t messages = newlocale(LC_MESSAGES_MASK, "C.UTF-8", nullptr);
  uselocale(messages);
  constexpr std::string_view kShipped[] = {"de"};
  int run = 0;
  for (const auto& c : cases) {
    // A folder of its own each time: the C library keeps a catalogue it has read.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("quarvel-locale-" + std::to_string(::getpid()) + "-" + std::to_string(run++));
    std::filesystem::create_directories(folder / "de/LC_MESSAGES");
    if (!c.catalogue.empty())
      std::ofstream(folder / "de/LC_MESSAGES/quarvel-orbix.mo", std::ios::binary) << c.catalogue;
    GettextTranslator translator(folder.string(), kShipped);
    UseTranslator(&translator);
    EXPECT_EQ(translator.Translating(), c.translated) << c.name;
    EXPECT_EQ(Text(TextId::ErrorTitle), c.translated ? "Fehler!" : "Error!") << c.name;
    UseTranslator(nullptr);
    std::filesystem::remove_all(folder);
  }
  uselocale(LC_GLOBAL_LOCALE);
  freelocale(messages);
}

}  // namespace
}  // namespace quarvel::testing
