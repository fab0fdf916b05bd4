// A bad translation never breaks the game: a text whose placeholders differ from the
// English text's, and a catalogue that is damaged or missing, give English.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "ui/texts.h"

namespace quarvel::testing {
namespace {

// A compiled catalogue (.mo) of these pairs, sorted by English text, without a hash table.
std::string CompiledCatalogue(std::vector<std::pair<std::string, std::string>> texts) {
  texts.insert(texts.begin(), {"", "Content-Type: text/plain; charset=UTF-8\n"});
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

TEST(TranslationFallback, BadTranslationsAndDamagedOrMissingCataloguesGiveEnglish) {
  const std::string good = CompiledCatalogue({{"Cannot read {file}: {reason}.", "{file} unlesbar: {reason}."},
                                              {"Error!", "Fehler!"},
                                              {"Is a directory", "Ist ein Ordner"},
                                              {"{count} MiB", "{anzahl} MiB"},
                                              {"{count} bytes", "{count Bytes"}});
  const FileFailure directory(FileAction::Read, "Fame.dat", FileProblem::System, EISDIR);
  const FileFailure tooLarge(FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 2 << 20);
  const FileFailure oddSize(FileAction::Read, "Fame.dat", FileProblem::TooLarge, 0, 1000);
  const struct {
    const char* name;
    std::string catalogue;  // empty: no file
    const FileFailure& failure;
    const char* shown;
  } cases[] = {
      {"translated", good, directory, "Fame.dat unlesbar: Ist ein Ordner."},
      {"unknown placeholder", good, tooLarge, "Fame.dat unlesbar: it is larger than 2 MiB."},
      {"unpaired brace", good, oddSize, "Fame.dat unlesbar: it is larger than 1000 bytes."},
      {"truncated catalogue", good.substr(0, good.size() - 30), directory, "Cannot read Fame.dat: Is a directory."},
      {"tables out of the file", good.substr(0, 40), directory, "Cannot read Fame.dat: Is a directory."},
      {"not a catalogue", std::string(200, 'x'), directory, "Cannot read Fame.dat: Is a directory."},
      {"no catalogue", "", directory, "Cannot read Fame.dat: Is a directory."},
  };
  ::setenv("LANG", "de_DE.UTF-8", 1);
  ::setenv("LANGUAGE", "de", 1);
  int run = 0;
  for (const auto& c : cases) {
    // A folder of its own each time: the C library keeps a catalogue it has read.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("quarvel-locale-" + std::to_string(::getpid()) + "-" + std::to_string(run++));
    std::filesystem::create_directories(folder / "de/LC_MESSAGES");
    if (!c.catalogue.empty())
      std::ofstream(folder / "de/LC_MESSAGES/quarvel-orbix.mo", std::ios::binary) << c.catalogue;
    const bool translating = UseTranslations(folder.string());
    EXPECT_EQ(translating, c.shown[0] != 'C') << c.name;
    EXPECT_EQ(FailureText(c.failure), c.shown) << c.name;
    EXPECT_EQ(Text(TextId::ErrorTitle), translating ? "Fehler!" : "Error!") << c.name;
    std::filesystem::remove_all(folder);
  }
  StopTranslations();
  ::unsetenv("LANGUAGE");
  ::unsetenv("LANG");
  std::setlocale(LC_MESSAGES, "C");
}

}  // namespace
}  // namespace quarvel::testing
