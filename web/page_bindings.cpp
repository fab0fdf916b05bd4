#include "web/page_bindings.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ui/accessible_names.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/key_table.h"
#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"
#include "ui/reload_window_layout.h"
#include "ui/texts.h"
#include "web/json_text.h"

namespace quarvel::web {
namespace {

constexpr std::array<std::string_view, 6> kKindNames{"label", "textbox", "readonly", "button", "rectangle", "combobox"};
constexpr std::array<std::string_view, 3> kAlignmentNames{"left", "centre", "right"};
constexpr std::array<std::string_view, 3> kWindowNames{"main", "halloffame", "reload"};
// The keys as the page's KeyboardEvent.key names them, in Key's order (letters in lower
// case). Q has no name: Ctrl+Q closes the desktop game, and a page is closed by its browser.
constexpr std::array<std::string_view, 8> kKeyNames{"ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight",
                                                    "Enter",   "Escape",    "n",         ""};
constexpr std::array<std::string_view, 4> kBoxKindNames{"message", "failure", "prompt", "question"};

void Colour(JsonText& json, std::string_view key, const layout::Rgb& rgb) {
  json.Key(key).Open('[').Number(rgb.red).Number(rgb.green).Number(rgb.blue).Close(']');
}

void Font(JsonText& json, const layout::FontStyle& font) {
  json.Key("font").Open('{');
  json.Key("family").String(font.family).Key("points").Number(font.points);
  json.Key("bold").Bool(font.bold).Key("italic").Bool(font.italic);
  json.Close('}');
}

void Window(JsonText& json, const layout::WindowLayout& window) {
  json.Open('{');
  json.Key("caption").String(Text(window.caption));
  json.Key("width").Number(window.clientWidth).Key("height").Number(window.clientHeight);
  Colour(json, "background", window.background);
  json.Key("controls").Open('[');
  for (const layout::ControlLayout& control : window.controls) {
    json.Open('{');
    json.Key("name").String(layout::ControlName(control)).Key("index").Number(control.index);
    json.Key("kind").String(kKindNames[static_cast<std::size_t>(control.kind)]);
    // The page's contact line is a link to its help page.
    const bool help = control.caption == TextId::ContactLine;
    json.Key("caption").String(help ? Text(TextId::PageHelpLink) : CaptionOf(control));
    if (help) json.Key("link").Bool(true);
    json.Key("accessibleName").String(AccessibleNameOf(control));
    json.Key("rect").Open('[').Number(control.rect.Left).Number(control.rect.Top);
    json.Number(control.rect.Width).Number(control.rect.Height).Close(']');
    Font(json, control.font);
    Colour(json, "foreground", control.foreground);
    Colour(json, "background", control.background);
    json.Key("alignment").String(kAlignmentNames[static_cast<std::size_t>(control.alignment)]);
    json.Key("tabIndex").Number(control.tabIndex).Key("tabStop").Bool(control.tabStop);
    json.Key("visible").Bool(control.visible).Key("multiLine").Bool(control.multiLine);
    json.Key("border").Bool(control.border);
    if (control.event) json.Key("event").String(NameOf(*control.event).name);
    json.Close('}');
  }
  json.Close(']').Close('}');
}

}  // namespace

std::string LayoutsJson() {
  JsonText json;
  json.Open('{');
  json.Key("main");
  Window(json, layout::kMainWindowLayout);
  json.Key("halloffame");
  Window(json, layout::kHallOfFameWindowLayout);
  json.Key("reload");
  Window(json, layout::kReloadWindowLayout);
  json.Close('}');
  return json.str();
}

std::string StateJson(const Program& program, std::uint64_t shownListingVersion,
                      const std::optional<ShortestRequest>& request) {
  const GameState& game = program.state().game;
  const MainWindowState& main = program.mainWindow();
  const WindowsState& windows = program.windows();
  JsonText json;
  json.Open('{');
  json.Key("window").String(kWindowNames[static_cast<std::size_t>(windows.visible)]);
  json.Key("tiles").Open('[');
  for (int k = 0; k < kCellCount; ++k) {
    const TwipsRect place = layout::TileButtonRect(game.board, k);
    json.Open('{').Key("left").Number(place.Left).Key("top").Number(place.Top);
    json.Key("name").String(TileAccessibleName(k, game.board.position.PlaceOf(k))).Close('}');
  }
  json.Close(']');
  json.Key("game").String(main.gameNumberText).Key("time").String(main.clockText);
  json.Key("note").String(main.gameNumberNote);
  json.Key("enabled").Open('{');
  for (const CommandButton& button : kCommandButtons)
    json.Key(NameOf(button.event).name).Bool(main.enabled.*button.enabled);
  json.Close('}');
  json.Key("undo").Open('[');  // whether each record's last load can be undone
  for (const bool undoable : main.undoableLoads) json.Bool(undoable);
  json.Close(']');
  // The headings, then an entry a row: its fields cut to their columns, its whole name.
  json.Key("listingVersion").Number(static_cast<double>(windows.listingVersion));
  if (windows.listingVersion != shownListingVersion) {
    json.Key("listing").Open('[');
    const std::vector<FameColumns>& listing = windows.listingColumns;
    for (std::size_t k = 0; k < listing.size(); ++k) {
      json.Open('{').Key("cells").Open('[');
      for (const std::string& cell : k == 0 ? listing[k] : CutFameColumns(listing[k])) json.String(cell);
      json.Close(']');
      if (k > 0) json.Key("name").String(listing[k][0]);
      json.Close('}');
    }
    json.Close(']');
  }
  // The Reload Game list by its size alone: the page asks for the entries it shows.
  json.Key("listVersion").Number(static_cast<double>(windows.savedListVersion));
  json.Key("listCount").Number(static_cast<double>(windows.savedList.size()));
  json.Key("combo").String(windows.comboText);
  json.Key("waiting").Bool(program.Waiting());
  if (const Box* box = program.box()) {
    json.Key("box").Open('{').Key("kind").String(kBoxKindNames[static_cast<std::size_t>(box->kind)]);
    json.Key("title").String(box->title).Key("text").String(box->text);
    json.Key("number").Number(static_cast<double>(box->number)).Close('}');
  }
  if (request) {
    json.Key("solve").Open('{').Key("tag").Number(static_cast<double>(request->game)).Key("cells").Open('[');
    for (const std::uint8_t tile : request->start.cells()) json.Number(tile);
    json.Close(']').Close('}');
  }
  json.Close('}');
  return json.str();
}

std::string SavedGamesJson(const Program& program, std::size_t first, std::size_t count) {
  const std::vector<std::string>& list = program.windows().savedList;
  const std::size_t end = first < list.size() ? first + std::min(count, list.size() - first) : first;
  JsonText json;
  json.Open('[');
  for (std::size_t k = first; k < end; ++k) json.String(list[k]);
  json.Close(']');
  return json.str();
}

double SavedGameIndex(const Program& program, std::string_view entry) {
  const std::vector<std::string>& list = program.windows().savedList;
  const auto found = std::find(list.begin(), list.end(), entry);
  return found == list.end() ? -1 : static_cast<double>(found - list.begin());
}

std::optional<Event> PageEvent(std::string_view name, const std::string& text, double number, double game) {
  const EventName* event = FindEvent(name);
  if (!event) return std::nullopt;
  return Event(event->id, static_cast<int>(number), text, static_cast<std::uint64_t>(game));
}

std::optional<KeyPress> PageKey(std::string_view key, bool ctrl, std::string_view focus, std::string text) {
  KeyPress press;
  const auto named = key.empty() ? kKeyNames.end() : std::find(kKeyNames.begin(), kKeyNames.end(), key);
  if (named == kKeyNames.end()) return std::nullopt;
  press.key = static_cast<Key>(named - kKeyNames.begin());
  press.ctrl = ctrl;
  if (focus == "gameNumberBox") press.focus = KeyFocus::GameNumberBox;
  if (focus == "savedGameBox") press.focus = KeyFocus::SavedGameBox;
  press.boxText = std::move(text);
  return press;
}

}  // namespace quarvel::web
