// The game as a web page: the program's handlers compiled to WebAssembly behind the page's
// script, which hands every event in through page_event (or page_key) and draws what
// page_state returns. Every call returns at once: a box is part of the state, its answer
// the next event, and the records are stored by the script after a handler has returned.
#include <emscripten.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "game/shuffled_random.h"
#include "platform/gettext_translator.h"
#include "platform/language_choice.h"
#include "platform/system_clock.h"
#include "ui/program.h"
#include "ui/record_load.h"
#include "ui/texts.h"
#include "web/json_text.h"
#include "web/page_bindings.h"
#include "web/page_file_store.h"
#include "web/page_services.h"

namespace {

using namespace quarvel;

// The shortest solutions come from the page's worker: a request waits here until the
// script, drawing the state, hands it on; the answer comes back as the ShortestLength event.
class PageShortestSolutions : public ShortestSolutionService {
 public:
  void Request(std::uint64_t game, const Position& start) override { pending = web::ShortestRequest{game, start}; }
  void Cancel() override { pending.reset(); }
  std::optional<web::ShortestRequest> pending;
};

// The system's clock serves in the browser too (performance.now() and the wall clock), but
// the month names of the Hall of Fame's dates are the page's language's, from the browser's
// Intl (the C library's are English only).
extern "C" int page_month_name(int month, char* name, int size);  // web/page_library.js
class PageClock : public SystemClock {
 public:
  std::string MonthAbbreviation(int month) override {
    char name[64] = {};
    if (page_month_name(month, name, sizeof name) <= 0) return SystemClock::MonthAbbreviation(month);
    return std::string(name, std::strlen(name));
  }
};

// The system's generator serves in the browser too, seeded from crypto.getRandomValues
// (through std::random_device).
struct Page {
  Page(const std::string& shipped, const std::string& folder, bool stored)
      : random(generator),
        files(shipped, folder, stored),
        program(Services{clock, boxes, window, files, random, shortest}) {}
  PageClock clock;
  SystemGenerator generator;
  ShuffledRandomSource random;
  Boxes boxes;  // the program's, and those of the page's own records bar
  web::PageWindow window;
  web::PageFileStore files;
  PageShortestSolutions shortest;
  Program program;
};

// The languages the build compiled catalogues for (po/LINGUAS).
constexpr std::string_view kShippedLanguages[] = {QUARVEL_SHIPPED_LANGUAGES};
constexpr const char* kLocaleFolder = "/locale";

std::unique_ptr<Page> page;
std::unique_ptr<GettextTranslator> translator;
std::string reply;  // what the last call returned to the script
// The web app manifest in the page's language: the build writes one for each language
// beside the English one (web/site_texts.cpp).
std::string manifest = "manifest.webmanifest";
std::string helpPage = "help.html";  // likewise the help page

const char* Reply(std::string text) {
  reply = std::move(text);
  return reply.c_str();
}

void ShowError(const std::string& text) { page->boxes.Message(Text(TextId::ErrorTitle), text); }

// The system's error a failed store is reported with.
int ErrorOf(const FileFailure& failure) {
  switch (failure.problem) {
    case FileProblem::System: return failure.error;
    case FileProblem::TooLarge: return EFBIG;
    case FileProblem::NotEnoughMemory: return ENOMEM;
    default: return EIO;
  }
}

}  // namespace

extern "C" {

// The catalogue for the player's languages (navigator.languages, one a line); "" for English.
EMSCRIPTEN_KEEPALIVE const char* page_choose_language(const char* preferred) {
  std::vector<std::string> tags;
  for (std::string_view rest = preferred; !rest.empty();) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    tags.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return Reply(ChooseLanguage(tags, kShippedLanguages));
}

// Speaks `language`, whose catalogue the script has put in the locale folder, from the next
// text on; false, and English, when the catalogue is missing or damaged.
EMSCRIPTEN_KEEPALIVE int page_use_language(const char* language) {
  std::setlocale(LC_MESSAGES, language);
  const std::string_view chosen[] = {language};
  translator = std::make_unique<GettextTranslator>(kLocaleFolder, chosen);
  UseTranslator(translator->Translating() ? translator.get() : nullptr);
  manifest = translator->Translating() ? "manifest." + std::string(language) + ".webmanifest" : "manifest.webmanifest";
  helpPage = translator->Translating() ? "help." + std::string(language) + ".html" : "help.html";
  return translator->Translating() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* page_layouts() { return Reply(web::LayoutsJson()); }

// Start-up over the shipped files and the records' folder, which the script has just read
// from storage; false when the game cannot start (the box up says why).
EMSCRIPTEN_KEEPALIVE int page_start(const char* shipped, const char* folder, int stored) {
  page = std::make_unique<Page>(shipped, folder, stored != 0);
  return page->program.Start() ? 1 : 0;
}

// One event of the page (ui/events.h names them); false when the program did not take it.
EMSCRIPTEN_KEEPALIVE int page_event(const char* name, const char* text, double number, double game) {
  if (!page) return 0;
  const auto event = web::PageEvent(name, text, number, game);
  return event && page->program.Take(*event) ? 1 : 0;
}

// A key pressed in the window up: true when the key table took it (the page then keeps it
// from the browser), false when it is the control's own.
EMSCRIPTEN_KEEPALIVE int page_key(const char* key, int ctrl, const char* focus, const char* text) {
  if (!page) return 0;
  const auto press = web::PageKey(key, ctrl != 0, focus, text);
  const auto event = press ? page->program.EventOfKey(*press) : std::nullopt;
  if (event) page->program.Take(*event);
  return event ? 1 : 0;
}

// What the windows show; the Hall of Fame listing unless the page shows its version (-1 for none yet).
EMSCRIPTEN_KEEPALIVE const char* page_state(double shownListingVersion) {
  if (!page) return Reply("null");
  const std::uint64_t shown = shownListingVersion >= 0 ? static_cast<std::uint64_t>(shownListingVersion)
                                                       : std::numeric_limits<std::uint64_t>::max();
  std::string json = web::StateJson(page->program, shown, page->shortest.pending);
  page->shortest.pending.reset();
  return Reply(std::move(json));
}

// The Reload Game list's entries `first` to `first + count - 1`, as far as it goes.
EMSCRIPTEN_KEEPALIVE const char* page_saved_games(double first, double count) {
  if (!page || first < 0 || count < 0) return Reply("[]");
  return Reply(web::SavedGamesJson(page->program, static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

// Where the Reload Game list first holds `entry`, or -1.
EMSCRIPTEN_KEEPALIVE double page_saved_game_index(const char* entry) {
  return page ? web::SavedGameIndex(page->program, entry) : -1;
}

// The game in progress as text for the page to keep in the tab's storage; "" when there is
// none (it ended, or was given up).
EMSCRIPTEN_KEEPALIVE const char* page_game_snapshot() { return Reply(page ? page->program.GameSnapshotText() : ""); }

// Right after start-up, the game the tab kept: whether it goes on (text damaged or of another
// version is ignored).
EMSCRIPTEN_KEEPALIVE int page_resume_game(const char* text) { return page && page->program.ResumeGame(text) ? 1 : 0; }

// Whether changes of the records wait to be stored, and none is being stored.
EMSCRIPTEN_KEEPALIVE int page_unstored() { return page && page->files.HasUnstored() ? 1 : 0; }

// Under the tabs' lock, on the storage just read: the changes made again on what it holds.
// The first file changed, which a failed store names; "" when a change could not be made
// again, which has been reported (the script then stores nothing).
EMSCRIPTEN_KEEPALIVE const char* page_redo_changes() {
  if (!page) return Reply("");
  std::string first = page->files.FirstUnstored();
  const auto failure = page->files.RedoJournal();
  if (!failure) return Reply(std::move(first));
  page->files.StoreEnded();
  page->program.Take({EventId::Stored, ErrorOf(*failure), failure->file});
  return Reply("");
}

// The changes are stored (error 0), or storing them failed with that system error.
EMSCRIPTEN_KEEPALIVE void page_stored(const char* file, int error) {
  if (!page) return;
  page->files.StoreEnded();
  page->program.Take({EventId::Stored, error, file});
}

// Told once, when the browser refuses the records their storage.
EMSCRIPTEN_KEEPALIVE void page_storage_refused() {
  if (page) ShowError(Text(TextId::RecordsNotKept));
}

// The captions of the records' buttons: "Download Fame.dat", "Load saved.dat", ...
EMSCRIPTEN_KEEPALIVE const char* page_record_captions() {
  web::JsonText json;
  json.Open('[');
  for (const LoadableRecord& record : kLoadableRecords) {
    const std::string file(record.name);
    json.Open('{').Key("file").String(file).Key("limit").Number(static_cast<double>(record.limit));
    json.Key("download").String(Text(TextId::DownloadRecord, {{"file", file}}));
    json.Key("load").String(Text(TextId::LoadRecord, {{"file", file}}));
    json.Key("undo").String(Text(TextId::UndoLoadRecord, {{"file", file}})).Close('}');
  }
  json.Close(']');
  return Reply(json.str());
}

// Whether the record is there to download; the player is told when it is not.
EMSCRIPTEN_KEEPALIVE int page_record_ready(const char* name) {
  if (!page || !FindLoadableRecord(name) || page->program.Waiting()) return 0;
  if (page->files.Exists(name)) return 1;
  ShowError(Text(TextId::NoRecordYet, {{"file", name}}));
  return 0;
}

// A file the player chose as record `index` of the records bar: its first `length` bytes,
// up to one more than the record may hold. The program reads it and says what follows.
EMSCRIPTEN_KEEPALIVE int page_load_record(int index, const char* data, double length) {
  if (!page) return 0;
  return page->program.Take({EventId::LoadRecord, index, std::string(data, static_cast<std::size_t>(length))}) ? 1 : 0;
}

// The captions of the page's own dialog buttons, the records bar's accessible name, and the
// web app manifest and the help page in the page's language.
EMSCRIPTEN_KEEPALIVE const char* page_dialog_captions() {
  web::JsonText json;
  json.Open('{').Key("ok").String(Text(TextId::OkButton)).Key("cancel").String(Text(TextId::CancelButton));
  json.Key("records").String(Text(TextId::RecordsBarName)).Key("manifest").String(manifest);
  json.Key("help").String(helpPage).Close('}');
  return Reply(json.str());
}

}  // extern "C"

int main() { return 0; }
