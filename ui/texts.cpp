#include "ui/texts.h"

#include <libintl.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

// The C library's count of catalogue changes; raising it makes gettext look texts up afresh
// (the way the gettext manual gives to change the language while a program runs).
extern "C" int _nl_msg_cat_cntr;

namespace quarvel {
namespace {

bool translating = false;

const CatalogueText& Entry(TextId id) { return kCatalogue[static_cast<std::size_t>(id)]; }

// The names of a text's placeholders; nothing when a brace stands unpaired or a name is
// empty, which no English text has.
std::optional<std::set<std::string_view>> Placeholders(std::string_view text) {
  std::set<std::string_view> names;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '}') return std::nullopt;
    if (text[at] != '{') continue;
    const std::size_t end = text.find_first_of("{}", at + 1);
    if (end == std::string_view::npos || text[end] != '}' || end == at + 1) return std::nullopt;
    names.insert(text.substr(at + 1, end - at - 1));
    at = end;
  }
  return names;
}

// The translation when its placeholders are the English text's, else the English text.
std::string_view Checked(std::string_view translated, std::string_view english) {
  if (translated == english) return english;
  const auto wanted = Placeholders(english);
  const auto found = Placeholders(translated);
  return found && wanted && *found == *wanted ? translated : english;
}

std::string Filled(std::string_view text, TextArguments arguments, const TextArgument* extra = nullptr) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t open = text.find('{', at);
    out.append(text.substr(at, open - at));
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find('}', open);
    if (close == std::string_view::npos) {  // only a checked text comes here; kept as it stands
      out.append(text.substr(open));
      break;
    }
    const std::string_view name = text.substr(open + 1, close - open - 1);
    for (const TextArgument& argument : arguments)
      if (argument.name == name) out += argument.value;
    if (extra && extra->name == name) out += extra->value;
    at = close + 1;
  }
  return out;
}

std::string_view Translated(std::string_view english) {
  if (!translating || english.empty()) return english;
  const std::string key(english);
  return Checked(dgettext(kTextDomain, key.c_str()), english);
}

// The system's reason in words: the common ones from the catalogue, others as the C
// library names them in English.
std::string ErrorText(int error) {
  static constexpr struct {
    int error;
    TextId text;
  } kReasons[] = {
      {EACCES, TextId::ReasonPermissionDenied}, {EROFS, TextId::ReasonReadOnlyFileSystem},
      {ENOSPC, TextId::ReasonNoSpace},          {EDQUOT, TextId::ReasonQuotaExceeded},
      {EIO, TextId::ReasonInputOutput},         {EISDIR, TextId::ReasonIsDirectory},
      {ENOTDIR, TextId::ReasonNotDirectory},    {ENOENT, TextId::ReasonNoSuchFile},
      {EMFILE, TextId::ReasonTooManyOpenFiles}, {EPERM, TextId::ReasonOperationNotPermitted},
      {EFBIG, TextId::ReasonFileTooLarge},      {ENAMETOOLONG, TextId::ReasonNameTooLong},
      {ENOLCK, TextId::ReasonNoLocks},          {ESTALE, TextId::ReasonStaleHandle},
      {ELOOP, TextId::ReasonSymbolicLink},
  };
  for (const auto& reason : kReasons)
    if (reason.error == error) return Text(reason.text);
#if defined(__GLIBC__)
  const char* english = strerrordesc_np(error);  // English whatever the locale
#else
  const char* english = std::strerror(error);  // the C library of the WebAssembly build knows only English
#endif
  return english ? english : "error " + std::to_string(error);
}

std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
  if (bytes % kMiB == 0) return Text(TextId::ReasonMebibytes, {{"count", std::to_string(bytes / kMiB)}});
  return Text(TextId::ReasonBytes, {{"count", std::to_string(bytes)}});
}

std::string ReasonText(const FileFailure& failure) {
  switch (failure.problem) {
    case FileProblem::SymbolicLink: return Text(TextId::ReasonSymbolicLink);
    case FileProblem::NotRegularFile: return Text(TextId::ReasonNotRegularFile);
    case FileProblem::TooLarge:
      if (failure.limit == 0) return Text(TextId::ReasonTooLarge);
      return Text(TextId::ReasonLargerThan, {{"size", SizeText(failure.limit)}});
    case FileProblem::NotEnoughMemory: return Text(TextId::ReasonNotEnoughMemory);
    case FileProblem::NoLongerExists: return Text(TextId::ReasonNoLongerExists);
    case FileProblem::Scripted: return Text(TextId::ReasonScripted);
    default: return ErrorText(failure.error);
  }
}

std::string OperationText(const FileFailure& failure) {
  if (failure.problem == FileProblem::FolderInUse) return Text(TextId::FolderInUse);
  if (failure.problem == FileProblem::FolderNotWritable)
    return Text(TextId::FolderNotWritable, {{"folder", failure.file}, {"reason", ErrorText(failure.error)}});
  if (failure.problem == FileProblem::NotEnoughMemory && failure.file.empty()) return Text(TextId::NotEnoughMemory);
  static constexpr TextId kCannot[] = {TextId::CannotOpen,   TextId::CannotLock,   TextId::CannotRead,
                                       TextId::CannotWrite,  TextId::CannotCreate, TextId::CannotReplace,
                                       TextId::CannotDelete, TextId::CannotRewrite};
  return Text(kCannot[static_cast<std::size_t>(failure.action)],
              {{"file", failure.file}, {"reason", ReasonText(failure)}});
}

// The languages the environment asks for, in gettext's order; empty for English.
std::vector<std::string> ChosenLanguages() {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      locale = value;
      break;
    }
  }
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) return {};
  const char* list = std::getenv("LANGUAGE");
  std::vector<std::string> languages;
  std::istringstream chosen(list && *list ? list : locale);
  for (std::string language; std::getline(chosen, language, ':');)
    if (!language.empty()) languages.push_back(language);
  return languages;
}

// The names gettext tries for a language: "pt_BR.UTF-8@x" gives pt_BR.UTF-8@x, pt_BR, pt.
std::vector<std::string> FileNamesOf(const std::string& language) {
  std::vector<std::string> names{language};
  const std::string base = language.substr(0, language.find_first_of(".@"));
  if (base != language) names.push_back(base);
  const std::string bare = base.substr(0, base.find('_'));
  if (bare != base) names.push_back(bare);
  return names;
}

std::uint32_t Word(std::string_view content, std::size_t at, bool swapped) {
  std::uint32_t value = 0;
  std::memcpy(&value, content.data() + at, 4);
  return swapped ? __builtin_bswap32(value) : value;
}

}  // namespace

std::string Text(TextId id, TextArguments arguments) { return Filled(Translated(Entry(id).english), arguments); }

std::string CountedText(TextId id, std::int64_t count, TextArguments arguments) {
  const CatalogueText& entry = Entry(id);
  std::string_view text = count == 1 ? entry.english : entry.englishMany;
  if (translating) {
    const std::string one(entry.english), many(entry.englishMany);
    const auto n = static_cast<unsigned long>(count < 0 ? -count : count);
    text = Checked(dngettext(kTextDomain, one.c_str(), many.c_str(), n), text);
  }
  const TextArgument counted{"count", std::to_string(count)};
  return Filled(text, arguments, &counted);
}

std::string TranslatedCaption(std::string_view english) { return std::string(Translated(english)); }

std::string FailureText(const FileFailure& failure) {
  const std::string sentence = OperationText(failure);
  switch (failure.lost) {
    case LostRecord::GameNumber:
      return Text(TextId::GameNumberNotRecorded, {{"file", failure.lostIn}, {"failure", sentence}});
    case LostRecord::FameEntry:
      return Text(TextId::FameEntryNotRecorded, {{"file", failure.lostIn}, {"failure", sentence}});
    case LostRecord::None: break;
  }
  return sentence;
}

bool IsWholeCatalogue(std::string_view content) {
  constexpr std::uint32_t kMagic = 0x950412de;
  if (content.size() < 28) return false;
  std::uint32_t magic = 0;
  std::memcpy(&magic, content.data(), 4);
  const bool swapped = magic == __builtin_bswap32(kMagic);
  if (magic != kMagic && !swapped) return false;
  // Every offset asked for lies within the content, which fits in a std::size_t.
  const auto word = [&](std::uint64_t at) {
    return std::uint64_t{Word(content, static_cast<std::size_t>(at), swapped)};
  };
  if (word(4) >> 16 != 0) return false;  // a revision this reader does not know
  const std::uint64_t count = word(8), originals = word(12), translations = word(16);
  const std::uint64_t hashSize = word(20), hashes = word(24), size = content.size();
  if (originals + 8 * count > size || translations + 8 * count > size || hashes + 4 * hashSize > size) return false;
  for (std::uint64_t table : {originals, translations})
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::uint64_t length = word(table + 8 * i), at = word(table + 8 * i + 4);
      if (at + length >= size || content[static_cast<std::size_t>(at + length)] != '\0') return false;
    }
  for (std::uint64_t i = 0; i < hashSize; ++i)
    if (word(hashes + 4 * i) > count) return false;
  return true;
}

bool UseTranslations(const std::string& localeFolder) {
  translating = false;
  const std::vector<std::string> languages = ChosenLanguages();
  if (languages.empty()) return false;
  bool found = false;
  for (const std::string& language : languages)
    for (const std::string& name : FileNamesOf(language)) {
      std::ifstream file(localeFolder + "/" + name + "/LC_MESSAGES/" + kTextDomain + ".mo", std::ios::binary);
      if (!file) continue;
      const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      if (!IsWholeCatalogue(content)) return false;
      found = true;
    }
  if (!found) return false;
  // A locale the system does not have still chooses the language: the messages are then
  // looked up under the built-in C.UTF-8 locale, which lets gettext read LANGUAGE.
  const std::string messages = std::setlocale(LC_MESSAGES, nullptr);
  if (messages == "C" || messages == "POSIX") {
    if (!std::setlocale(LC_MESSAGES, "C.UTF-8")) return false;
    std::string list;
    for (const std::string& language : languages) list += (list.empty() ? "" : ":") + language;
    setenv("LANGUAGE", list.c_str(), 1);
  }
  ++_nl_msg_cat_cntr;  // gettext forgets the translations it looked up before
  if (!bindtextdomain(kTextDomain, localeFolder.c_str()) || !bind_textdomain_codeset(kTextDomain, "UTF-8"))
    return false;
  translating = true;
  return true;
}

void StopTranslations() { translating = false; }

}  // namespace quarvel
