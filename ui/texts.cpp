#include "ui/texts.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>

namespace quarvel {
namespace {

Translator* translator = nullptr;

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

// Whether a translation may stand for its English text: its placeholders are those of the
// English text, or for a counted text some of them (as msgfmt --check allows).
bool Fits(std::string_view translated, std::string_view english, bool counted) {
  const auto wanted = Placeholders(english);
  const auto found = Placeholders(translated);
  if (translated.empty() || !found || !wanted) return false;
  return counted ? std::includes(wanted->begin(), wanted->end(), found->begin(), found->end()) : *found == *wanted;
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

// The system's reason in words. A reason without a text of its own is given by its number,
// never in the C library's words, which would stand in English inside a translated sentence.
std::string ErrorText(int error) {
  static constexpr struct {
    int error;
    TextId text;
  } kReasons[] = {
      {EACCES, TextId::ReasonPermissionDenied},
      {EROFS, TextId::ReasonReadOnlyFileSystem},
      {ENOSPC, TextId::ReasonNoSpace},
      {EDQUOT, TextId::ReasonQuotaExceeded},
      {EIO, TextId::ReasonInputOutput},
      {EISDIR, TextId::ReasonIsDirectory},
      {ENOTDIR, TextId::ReasonNotDirectory},
      {ENOENT, TextId::ReasonNoSuchFile},
      {EMFILE, TextId::ReasonTooManyOpenFiles},
      {ENFILE, TextId::ReasonTooManyOpenFilesInSystem},
      {EPERM, TextId::ReasonOperationNotPermitted},
      {EFBIG, TextId::ReasonFileTooLarge},
      {ENAMETOOLONG, TextId::ReasonNameTooLong},
      {ENOLCK, TextId::ReasonNoLocks},
      {ESTALE, TextId::ReasonStaleHandle},
      {ELOOP, TextId::ReasonSymbolicLink},
      {ENOMEM, TextId::ReasonCannotAllocateMemory},
      {EBUSY, TextId::ReasonBusy},
      {ETXTBSY, TextId::ReasonTextFileBusy},
      {EAGAIN, TextId::ReasonTryAgain},
      {EINVAL, TextId::ReasonInvalidArgument},
      {EEXIST, TextId::ReasonFileExists},
      {ENOTEMPTY, TextId::ReasonDirectoryNotEmpty},
  };
  for (const auto& reason : kReasons)
    if (reason.error == error) return Text(reason.text);
  return Text(TextId::ReasonSystemError, {{"number", std::to_string(error)}});
}

std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
  if (bytes % kMiB == 0) return Text(TextId::ReasonMebibytes, {{"count", std::to_string(bytes / kMiB)}});
  return CountedText(TextId::ReasonBytes, static_cast<std::int64_t>(bytes));
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

}  // namespace

void UseTranslator(Translator* chosen) { translator = chosen; }

std::string Text(TextId id, TextArguments arguments) {
  const CatalogueText& entry = Entry(id);
  std::string_view text = entry.english;
  if (translator) {
    const std::string_view translated = translator->Translate(entry.context, entry.english);
    if (Fits(translated, text, false)) text = translated;
  }
  return Filled(text, arguments);
}

std::string CountedText(TextId id, std::int64_t count, TextArguments arguments) {
  const CatalogueText& entry = Entry(id);
  std::string_view text = count == 1 ? entry.english : entry.englishMany;
  if (translator) {
    const auto n = static_cast<unsigned long>(count < 0 ? -count : count);
    const std::string_view translated =
        translator->TranslateCounted(entry.context, entry.english, entry.englishMany, n);
    if (Fits(translated, entry.englishMany, true)) text = translated;
  }
  const TextArgument counted{"count", std::to_string(count)};
  return Filled(text, arguments, &counted);
}

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

}  // namespace quarvel
