#include "platform/scripted.h"

namespace quarvel {

std::string ScriptedClock::MonthAbbreviation(int month) {
  static const char* const kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 1 && month <= 12 ? kNames[month - 1] : "???";
}

double ScriptedGenerator::Next() {
  if (values.empty()) return fallback;
  const double value = values.front();
  values.pop_front();
  return value;
}

double ScriptedDrawList::ShuffledRandom(std::int16_t reseed) {
  if (reseed < 0) ++reseeds;
  if (values.empty()) return fallback;
  const double value = values.front();
  values.pop_front();
  return value;
}

double QueuedDrawSource::ShuffledRandom(std::int16_t reseed) {
  if (reseed < 0 || queued_.empty()) return fallback_.ShuffledRandom(reseed);
  const double value = queued_.front();
  queued_.pop_front();
  return value;
}

BoxAnswer ScriptedDialogs::Answer(const Box& box) {
  switch (box.kind) {
    case BoxKind::Message: transcript.push_back("message " + box.title + "|" + box.text); break;
    case BoxKind::Failure: transcript.push_back("failure " + box.text); break;
    case BoxKind::Question:
    case BoxKind::NamePrompt: {
      BoxAnswer answer;
      if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
      }
      if (box.kind == BoxKind::Question) {
        transcript.push_back("question " + box.title + "|" + box.text + "|" + (answer ? "ok" : "<cancel>"));
        return answer;
      }
      transcript.push_back("input " + box.title + "|" + box.text + "|" + std::to_string(box.leftTwips) + "," +
                           std::to_string(box.topTwips) + "|" + (answer ? *answer : "<cancel>"));
      return answer;
    }
  }
  return std::string();
}

std::optional<std::string> MemoryFileStore::Read(const std::string& name, std::uint64_t limit, bool) {
  operations.push_back("read " + name);
  if (failing.count(name)) throw FileFailure(FileAction::Read, name, FileProblem::Scripted);
  auto it = files.find(name);
  if (it == files.end()) return std::nullopt;
  if (it->second.size() > limit) throw FileFailure(FileAction::Read, name, FileProblem::TooLarge, 0, limit);
  return it->second;
}

void MemoryFileStore::Rewrite(const std::string& name, const std::string& scratch, std::uint64_t limit,
                              const Change& change) {
  operations.push_back("rewrite " + name);
  if (failing.count(scratch)) throw FileFailure(FileAction::Create, scratch, FileProblem::Scripted);
  std::string content = change(Read(name, limit));
  files[name] = std::move(content);
}

void MemoryFileStore::Remove(const std::string& name) {
  operations.push_back("remove " + name);
  if (failing.count(name)) throw FileFailure(FileAction::Delete, name, FileProblem::Scripted);
  files.erase(name);
}

std::string_view ScriptedTranslator::Translate(const char* context, const char* english) {
  const auto found = texts.find({context, english});
  return found == texts.end() ? std::string_view{} : found->second.at(0);
}

std::string_view ScriptedTranslator::TranslateCounted(const char* context, const char* one, const char*,
                                                      unsigned long count) {
  const auto found = texts.find({context, one});
  return found == texts.end() ? std::string_view{} : found->second.at(count == 1 ? 0 : 1);
}

}  // namespace quarvel
