#include "web/page_bindings.h"

#include <array>
#include <charconv>
#include <functional>
#include <string_view>

#include "ui/accessible_names.h"
#include "ui/hall_of_fame_window_layout.h"
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
    json.Key("name").String(layout::ControlName(control));
    json.Key("kind").String(kKindNames[static_cast<std::size_t>(control.kind)]);
    json.Key("caption").String(CaptionOf(control));
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
    json.Close('}');
  }
  json.Close(']').Close('}');
}

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct PageEvent {
  std::string_view name;
  std::function<bool(Program&, const std::string&)> run;
};

const std::array<PageEvent, 10>& PageEvents() {
  static const std::array<PageEvent, 10> events{{
      {"command",
       [](Program& p, const std::string& control) {
         for (const CommandBinding& binding : kCommandBindings)
           if (binding.control == control) return (p.*binding.handler)();
         return false;
       }},
      {"tile",
       [](Program& p, const std::string& tile) {
         const auto number = WholeNumber(tile);
         return number && p.ClickTile(*number);
       }},
      {"arrow",
       [](Program& p, const std::string& key) {
         constexpr std::array<std::pair<std::string_view, ArrowKey>, 4> kKeys{{{"ArrowUp", ArrowKey::Up},
                                                                               {"ArrowDown", ArrowKey::Down},
                                                                               {"ArrowLeft", ArrowKey::Left},
                                                                               {"ArrowRight", ArrowKey::Right}}};
         for (const auto& [name, arrow] : kKeys)
           if (name == key) return p.PressArrowKey(arrow);
         return false;
       }},
      {"gameNumberBox", [](Program& p, const std::string&) { return p.ClickGameNumberBox(); }},
      {"timeBox", [](Program& p, const std::string&) { return p.ClickTimeBox(); }},
      {"type", [](Program& p, const std::string& text) { return p.TypeGameNumber(text); }},
      {"tick",
       [](Program& p, const std::string&) {
         p.Tick();
         return true;
       }},
      {"pick", [](Program& p, const std::string& entry) { return p.PickSavedGame(entry); }},
      {"return", [](Program& p, const std::string&) { return p.ReturnToMain(); }},
      {"close", [](Program& p, const std::string&) { return p.CloseWindow(); }},
  }};
  return events;
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
  json.Key("commands").Open('[');
  for (const CommandBinding& binding : kCommandBindings) json.String(binding.control);
  json.Close(']');
  // The controls the page binds by what they are, named as in the layouts.
  json.Key("named").Open('{');
  json.Key("tiles").String(layout::kTileButtons);
  json.Key("gameNumberBox").String(layout::kGameNumberBox).Key("clockBox").String(layout::kClockBox);
  json.Key("newGameButton").String(BindingOf(Command::NewGame).control);
  json.Key("replayButton").String(BindingOf(Command::Replay).control);
  json.Key("fameListingBox").String(layout::kFameListingBox).Key("fameReturnButton").String(layout::kFameReturnButton);
  json.Key("savedGameBox").String(layout::kSavedGameBox).Key("reloadReturnButton").String(layout::kReloadReturnButton);
  json.Close('}');
  json.Close('}');
  return json.str();
}

std::string StateJson(const Program& program, std::uint64_t shownListVersion,
                      const std::optional<ShortestRequest>& request) {
  const GameState& game = program.state();
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
  for (const CommandBinding& binding : kCommandBindings) json.Key(binding.control).Bool(main.enabled.*binding.enabled);
  json.Close('}');
  json.Key("listing").Open('[');  // the headings, then an entry a row
  for (const FameColumns& row : windows.listingColumns) {
    json.Open('[');
    for (const std::string& cell : row) json.String(cell);
    json.Close(']');
  }
  json.Close(']');
  json.Key("listVersion").Number(static_cast<double>(windows.savedListVersion));
  if (windows.savedListVersion != shownListVersion) {
    json.Key("list").Open('[');
    for (const std::string& entry : windows.savedList) json.String(entry);
    json.Close(']');
  }
  json.Key("combo").String(windows.comboText);
  if (request) {
    json.Key("solve").Open('{').Key("tag").Number(static_cast<double>(request->game)).Key("cells").Open('[');
    for (const std::uint8_t tile : request->start.cells()) json.Number(tile);
    json.Close(']').Close('}');
  }
  json.Close('}');
  return json.str();
}

bool RunEvent(Program& program, const std::string& name, const std::string& argument) {
  for (const PageEvent& event : PageEvents())
    if (event.name == name) return event.run(program, argument);
  return false;
}

}  // namespace quarvel::web
