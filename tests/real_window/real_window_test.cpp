// The real program in a real X window (Xvfb): started in a scratch folder, clicked and
// keyed by screen coordinates worked out from the twips of the layouts, and read back
// from the screen. Each window is photographed on the way.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "real_window/desktop_driver.h"
#include "ui/hall_of_fame_window_layout.h"
#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"
#include "ui/reload_window_layout.h"

namespace quarvel::desktop {
namespace {

namespace fs = std::filesystem;

std::string Setting(const char* name, const std::string& fallback = {}) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

void WriteFile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where a control of a window whose client area starts at `origin` must be; `shrunk` is the
// window's own scale where it is shown smaller than its layout.
QRect Expected(QPoint origin, const TwipsRect& twips, int scale, double shrunk = 1) {
  const PixelRect at = ToPixels(twips, 96 * shrunk);
  return {origin.x() + at.x * scale, origin.y() + at.y * scale, at.width * scale, at.height * scale};
}

::testing::AssertionResult WithinAPixel(const QRect& seen, const QRect& expected, int slack = 1) {
  if (std::abs(seen.left() - expected.left()) <= slack && std::abs(seen.top() - expected.top()) <= slack &&
      std::abs(seen.right() - expected.right()) <= slack && std::abs(seen.bottom() - expected.bottom()) <= slack)
    return ::testing::AssertionSuccess();
  std::ostringstream text;
  text << "seen (" << seen.x() << "," << seen.y() << " " << seen.width() << "x" << seen.height() << "), expected ("
       << expected.x() << "," << expected.y() << " " << expected.width() << "x" << expected.height() << ")";
  return ::testing::AssertionFailure() << text.str();
}

QPoint Centre(QPoint origin, const TwipsRect& twips, int scale, double shrunk = 1) {
  return Expected(origin, twips, scale, shrunk).center();
}

// Whether the window at `origin` has been painted: tile 1's face, clear of its caption.
bool Painted(const QImage& screen, QPoint origin, int scale) {
  const QPoint face =
      Expected(origin, layout::FindControl(layout::kMainWindowLayout, "Command1(1)")->rect, scale).topLeft() +
      QPoint(5, 5) * scale;
  return !screen.isNull() && screen.valid(face) && qGray(screen.pixel(face)) > 200;
}

const TwipsRect& RectOf(const layout::WindowLayout& window, std::string_view control) {
  return layout::FindControl(window, control)->rect;
}

// A command button's name in the window report.
std::string ButtonOf(EventId command) {
  return layout::ControlName(*layout::FindButtonOf(layout::kMainWindowLayout, command));
}

// The board as the program says it is: from the tiles' accessible names.
BoardCells BoardFromNames(const Report& report) {
  BoardCells cells{};
  for (int tile = 0; tile < 16; ++tile) {
    const std::string& name = report.Control("Form1", "Command1(" + std::to_string(tile) + ")").accessibleName;
    // The row and the column are the name's last two numbers, in every language.
    std::vector<int> numbers;
    const std::regex number("[0-9]+");
    for (auto it = std::sregex_iterator(name.begin(), name.end(), number); it != std::sregex_iterator(); ++it)
      numbers.push_back(std::stoi(it->str()));
    const int row = numbers.size() >= 2 ? numbers[numbers.size() - 2] : 0;
    const int column = numbers.empty() ? 0 : numbers.back();
    if (row >= 1 && row <= 4 && column >= 1 && column <= 4)
      cells[static_cast<std::size_t>((row - 1) * 4 + column - 1)] = tile;
  }
  return cells;
}

// The middles of the lines of dark text in the drop-down list under a combo box; none
// while the list is not down.
std::vector<int> TextLinesBelow(const QImage& screen, const QRect& combo) {
  std::vector<int> middles;
  int first = -1;
  // Down to the end of the list, where the window's grey shows again.
  for (int y = combo.bottom() + 2; y < screen.height() && screen.pixel(combo.left() + 4, y) != qRgb(192, 192, 192);
       ++y) {
    // Text, not the list's border: some dark pixels across the row, not a whole line.
    int count = 0;
    const int width = combo.width() / 2;
    for (int x = combo.left() + 2; x < combo.left() + 2 + width; ++x) count += qGray(screen.pixel(x, y)) < 100;
    const bool dark = count > 0 && count < width * 2 / 3;
    if (dark && first < 0) first = y;
    if (!dark && first >= 0) {
      middles.push_back((first + y - 1) / 2);
      first = -1;
    }
  }
  return middles;
}

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = Setting("QUARVEL_PROGRAM");
    ASSERT_FALSE(program_.empty()) << "QUARVEL_PROGRAM names the program";
    ASSERT_FALSE(Setting("DISPLAY").empty()) << "run under tests/real_window/in_xvfb.sh";
    char pattern[] = "/tmp/quarvel-desktop-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    fs::copy_file(Setting("QUARVEL_HOME_FILE"), folder_ / "quarvel.dat");
    shots_ = Setting("QUARVEL_SCREENSHOT_DIR", fs::current_path().string());
  }
  void TearDown() override {
    game_.reset();  // the program ends before its folder goes
    if (!folder_.empty() && !HasFailure())
      fs::remove_all(folder_);
    else if (!folder_.empty())
      std::cerr << "files kept in " << folder_ << "\n";
  }

  // The one visible window of the program (there is one at a time), as X has it.
  XWindow WindowUp(const std::string& title = "Quarvel Orbix") {
    std::vector<XWindow> up;
    WaitUntil([&] {
      up = VisibleWindows(title);
      return up.size() == 1;
    });
    return up.size() == 1 ? up.front() : XWindow{};
  }

  // Saves the window's picture among the screenshots.
  void Photograph(const QImage& screen, const QRect& place, const std::string& name) {
    fs::create_directories(shots_);
    EXPECT_TRUE(screen.copy(place).save(QString::fromStdString((shots_ / name).string()), "PNG")) << name;
  }

  // Checks every control's place in the report against the layout's twips, and the
  // window's client area as the X server has it.
  void ExpectLaidOut(const Report& report, const std::string& form, const layout::WindowLayout& table,
                     const XWindow& window, int scale, double shrunk = 1) {
    const WindowReport& seen = report.windows.at(form);
    EXPECT_TRUE(seen.shown) << form;
    const PixelRect client = ToPixels({0, 0, table.clientWidth, table.clientHeight}, 96 * shrunk);
    EXPECT_TRUE(WithinAPixel(window.place, QRect(window.place.topLeft(), QSize(client.width, client.height) * scale)))
        << form << " on the X server";
    EXPECT_EQ(seen.client.topLeft() * scale, window.place.topLeft()) << form;
    for (const layout::ControlLayout& control : table.controls) {
      const std::string name = layout::ControlName(control);
      const auto found = seen.controls.find(name);
      ASSERT_NE(found, seen.controls.end()) << form << " " << name;
      const QRect device(found->second.place.topLeft() * scale, found->second.place.size() * scale);
      if (control.name != "Command1" || form != "Form1") {  // tiles move
        EXPECT_TRUE(WithinAPixel(device, Expected(window.place.topLeft(), control.rect, scale, shrunk)))
            << form << " " << name;
      }
      EXPECT_FALSE(found->second.accessibleName.empty()) << form << " " << name;
    }
  }

  // Screenshots until the board read from the screen is `rows`; false if it never is.
  ::testing::AssertionResult BoardShows(const BoardReader& reader, const std::string& rows) {
    BoardCells seen{};
    const BoardCells expected = CellsFromRows(rows);
    if (WaitUntil([&] { return (seen = reader.Read(GrabScreen())) == expected; })) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen shows " << RowsOf(seen) << ", not " << rows;
  }

  // The records the windows show: three Hall of Fame entries and three saved games.
  void WriteRecords() {
    WriteFile(folder_ / "Fame.dat",
              "\"Ann\",\"5252855902758\",0.0011921296296296296,\"Jan 01, 2026\"\r\n"
              "\"Bartholomew Xy\",\"10461394943999\",0.0034837962962962963,\"Dec 31, 2025\"\r\n"
              "\"Cy\",\"7\",0.041655092592592594,\"Jan 02, 2026\"\r\n");
    WriteFile(folder_ / "saved.dat", "0\r\n9807557760000\r\n5252855902758\r\n");
  }

  // Waits until the main window is up, centred and drawn at a scale of 1: `report` is the
  // account made after centring, `screen` the screen with the window on it.
  ::testing::AssertionResult MainWindowDrawn(RunningProgram& game, Report& report, XWindow& main, QImage& screen) {
    if (!game.WaitForReport([](const Report& r) { return r.Shown("Form1"); }, &report))
      return ::testing::AssertionFailure() << "no main window";
    if (report.scale != 1) return ::testing::AssertionFailure() << "scale " << report.scale;
    main = WindowUp();
    if (main.id.empty()) return ::testing::AssertionFailure() << "no main window on the X server";
    // The start-up report comes before centring; the next one after it.
    if (!game.WaitForReport(
            [&](const Report& r) { return r.windows.at("Form1").client.topLeft() == main.place.topLeft(); }, &report))
      return ::testing::AssertionFailure() << "the main window was not centred";
    if (!WaitUntil([&] {
          screen = GrabScreen();
          return Painted(screen, main.place.topLeft(), 1);
        }))
      return ::testing::AssertionFailure() << "the window was not drawn";
    return ::testing::AssertionSuccess();
  }

  // Opens the Reload Game window and waits until it is up and centred.
  ::testing::AssertionResult ReloadWindowUp(RunningProgram& game, QPoint origin, Report& report, XWindow& reload) {
    ClickAt(Centre(origin, RectOf(layout::kMainWindowLayout, ButtonOf(EventId::Reload)), 1));
    if (!game.WaitForReport([](const Report& r) { return r.Shown("Form3"); }, &report))
      return ::testing::AssertionFailure() << "no Reload Game window";
    reload = WindowUp();
    if (reload.id.empty()) return ::testing::AssertionFailure() << "no Reload Game window on the X server";
    if (!game.WaitForReport(
            [&](const Report& r) { return r.windows.at("Form3").client.topLeft() == reload.place.topLeft(); }, &report))
      return ::testing::AssertionFailure() << "the Reload Game window was not centred";
    return ::testing::AssertionSuccess();
  }

  // Drops the Reload Game window's list down and waits until its three entries show:
  // the place of the combo box, the screen and the entries' lines on it.
  ::testing::AssertionResult DroppedDown(const XWindow& reload, QRect& comboPlace, QImage& dropped,
                                         std::vector<int>& entries) {
    comboPlace = Expected(reload.place.topLeft(), RectOf(layout::kReloadWindowLayout, layout::kSavedGameBox), 1);
    ClickAt(comboPlace.topRight() + QPoint(-6, comboPlace.height() / 2));  // the arrow
    if (!WaitUntil([&] {
          dropped = GrabScreen();
          return TextLinesBelow(dropped, comboPlace).size() == 3;
        }))
      return ::testing::AssertionFailure() << "the list did not drop down with its three entries";
    entries = TextLinesBelow(dropped, comboPlace);
    return ::testing::AssertionSuccess();
  }

  // Starts the program, with the records of WriteRecords or none, and waits until its
  // main window is up, centred and drawn (game_, report_, main_, screen_).
  ::testing::AssertionResult StartWithMainWindow(bool withRecords,
                                                 std::vector<std::pair<std::string, std::string>> environment = {}) {
    if (withRecords) WriteRecords();
    game_.emplace(program_, folder_.string(), std::move(environment));
    return MainWindowDrawn(*game_, report_, main_, screen_);
  }

  std::string program_;
  fs::path folder_;
  fs::path shots_;
  // The program a test started with StartWithMainWindow, and what it showed.
  std::optional<RunningProgram> game_;
  Report report_;
  XWindow main_;
  QImage screen_;
};

constexpr const char* kSolved = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0";
const layout::WindowLayout& kMain = layout::kMainWindowLayout;

// The main window: every control where its twips say, the framed ones seen on the screen.
TEST_F(RealWindow, TheMainWindowIsLaidOutByItsTwips) {
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/true));
  ExpectLaidOut(report_, "Form1", kMain, main_, 1);
  const QPoint origin = main_.place.topLeft();
  Photograph(screen_, main_.place, "main-window.png");
  for (const layout::ControlLayout& control : kMain.controls) {
    const bool framed =
        control.kind == layout::ControlKind::Button || (control.kind != layout::ControlKind::Label && control.border &&
                                                        control.kind != layout::ControlKind::Rectangle);
    if (!framed || !control.visible) continue;
    const QRect expected = Expected(origin, control.rect, 1);
    EXPECT_TRUE(WithinAPixel(MeasureFrame(screen_, expected, 1), expected))
        << "on the screen: " << layout::ControlName(control);
  }
  // The yellow frame shows round the empty cell in the bottom right corner.
  const QRect frame = Expected(origin, layout::kBoardRect, 1);
  EXPECT_EQ(screen_.pixel(frame.right(), frame.bottom() - 10), qRgb(255, 255, 0));
  EXPECT_EQ(screen_.pixel(frame.right() - 10, frame.bottom()), qRgb(255, 255, 0));

  const BoardReader reader(screen_, origin, 1);
  EXPECT_TRUE(BoardShows(reader, kSolved));
  EXPECT_EQ(RowsOf(BoardFromNames(report_)), kSolved);
}

// New Game: a dealt board, the same on the screen as in the program's own account; Give
// Up puts the tiles back.
TEST_F(RealWindow, NewGameDealsWhatTheScreenShowsAndGiveUpPutsTheTilesBack) {
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/false));
  const QPoint origin = main_.place.topLeft();
  const BoardReader reader(screen_, origin, 1);
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::NewGame)), 1));
  ASSERT_TRUE(game_->WaitForReport(
      [](const Report& r) { return !r.Control("Form1", layout::kGameNumberBox).text.empty(); }, &report_));
  EXPECT_FALSE(report_.Control("Form1", ButtonOf(EventId::NewGame)).enabled);
  EXPECT_TRUE(report_.Control("Form1", ButtonOf(EventId::GiveUp)).enabled);
  EXPECT_TRUE(BoardShows(reader, RowsOf(BoardFromNames(report_))));
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::GiveUp)), 1));
  EXPECT_TRUE(BoardShows(reader, kSolved));
}

// The Reload Game window laid out by its twips, its list dropped down and photographed.
TEST_F(RealWindow, TheReloadWindowIsLaidOutAndDropsItsListDown) {
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/true));
  XWindow reload;
  ASSERT_TRUE(ReloadWindowUp(*game_, main_.place.topLeft(), report_, reload));
  ExpectLaidOut(report_, "Form3", layout::kReloadWindowLayout, reload, 1);
  const QRect comboPlace =
      Expected(reload.place.topLeft(), RectOf(layout::kReloadWindowLayout, layout::kSavedGameBox), 1);
  const QRect comboSeen = MeasureFrame(GrabScreen(), comboPlace, 1);
  EXPECT_TRUE(
      WithinAPixel(QRect(comboSeen.left(), comboSeen.top(), comboPlace.width(), comboSeen.height()), comboPlace))
      << "on the screen: Combo1";
  QRect place;
  QImage dropped;
  std::vector<int> entries;
  ASSERT_TRUE(DroppedDown(reload, place, dropped, entries));
  Photograph(dropped, reload.place, "reload-window.png");
}

// A game picked from the drop-down list, then played by clicks on tiles and the arrow keys.
TEST_F(RealWindow, APickedGameIsPlayedWithTheMouseAndTheArrowKeys) {
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/true));
  const QPoint origin = main_.place.topLeft();
  const BoardReader reader(screen_, origin, 1);
  XWindow reload;
  ASSERT_TRUE(ReloadWindowUp(*game_, origin, report_, reload));
  QRect comboPlace;
  QImage dropped;
  std::vector<int> entries;
  ASSERT_TRUE(DroppedDown(reload, comboPlace, dropped, entries));
  // The third entry of the list, found by its line of text on the screen.
  ClickAt(QPoint(comboPlace.left() + 20, entries[2]));
  ASSERT_TRUE(game_->WaitForReport([](const Report& r) { return r.Shown("Form1"); }, &report_)) << "no reload";
  EXPECT_EQ(report_.Control("Form1", layout::kGameNumberBox).text, "5252855902758");
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 8 0"));

  ClickAt(reader.CellRect(4 * 2 + 4).center());  // 6, above the empty cell
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 12 7 / 13 2 14 0 / 15 4 8 6"));
  ClickAt(reader.CellRect(1).center());  // 9, far from the empty cell
  PressKeys("Down");                     // 7 slides down
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 12 0 / 13 2 14 7 / 15 4 8 6"));
  PressKeys("Right");  // 12 slides right
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 0 12 / 13 2 14 7 / 15 4 8 6"));
  PressKeys("Up");  // 14 slides up
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 14 12 / 13 2 0 7 / 15 4 8 6"));
  PressKeys("Left");  // 7 slides left
  EXPECT_TRUE(BoardShows(reader, "9 1 10 3 / 11 5 14 12 / 13 2 7 0 / 15 4 8 6"));
  ASSERT_TRUE(game_->WaitForReport([](const Report& r) {
    return r.Control("Form1", "Command1(7)").accessibleName == "Tile 7, row 3, column 3";
  })) << "the tiles' names follow the moves";
}

// The Hall of Fame window laid out by its twips, listing the file, and the way back.
TEST_F(RealWindow, TheHallOfFameWindowListsTheFileAndReturnsToTheMainWindow) {
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/true));
  ClickAt(Centre(main_.place.topLeft(), RectOf(kMain, ButtonOf(EventId::HallOfFame)), 1));
  ASSERT_TRUE(game_->WaitForReport([](const Report& r) { return r.Shown("Form2"); }, &report_));
  const XWindow fame = WindowUp();
  ASSERT_FALSE(fame.id.empty());
  ASSERT_TRUE(game_->WaitForReport(
      [&](const Report& r) { return r.windows.at("Form2").client.topLeft() == fame.place.topLeft(); }, &report_));
  ExpectLaidOut(report_, "Form2", layout::kHallOfFameWindowLayout, fame, 1);
  EXPECT_NE(report_.Control("Form2", layout::kFameListingBox)
                .text.find("Bartholomew Xy\\t10461394943999\\t05M  01S\\tDec 31, 2025"),
            std::string::npos);
  const QRect back =
      Expected(fame.place.topLeft(), RectOf(layout::kHallOfFameWindowLayout, layout::kFameReturnButton), 1);
  ASSERT_TRUE(WaitUntil([&] {
    screen_ = GrabScreen();
    return WithinAPixel(MeasureFrame(screen_, back, 1), back);
  })) << "on the screen: Return to Main Screen";
  Photograph(screen_, fame.place, "hall-of-fame-window.png");
  ClickAt(back.center());
  ASSERT_TRUE(game_->WaitForReport([](const Report& r) { return r.Shown("Form1") && !r.Shown("Form2"); }));
  EXPECT_TRUE(game_->Running());
}

// A game one move from home (number 52: tile 12 under the empty cell), typed into the
// game number box and replayed, won with the Up key under a German locale: the three
// windows and the boxes speak German, and the entry is dated with the German month.
TEST_F(RealWindow, AWinUnderAGermanLocaleSpeaksGermanAndDatesTheEntryInGermanKeepingThePeriod) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  char month[32];
  std::strftime(month, sizeof month, "%b", &today);
  std::setlocale(LC_ALL, "C");

  WriteFile(folder_ / "Fame.dat", "");
  WriteFile(folder_ / "saved.dat", "52\r\n");
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/false, {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}}));
  RunningProgram& game = *game_;
  Report& report = report_;
  const QPoint origin = main_.place.topLeft();
  const BoardReader reader(screen_, origin, 1);
  const auto captions = [&](const std::string& window, const std::vector<std::string>& names) {
    std::vector<std::string> texts;
    for (const std::string& name : names) texts.push_back(report.Control(window, name).text);
    return texts;
  };
  report = game.ReadReport();
  EXPECT_EQ(captions("Form1", {"Label1", "Label2", "Command2", "Command8", "Command6", "Command7", "Command3",
                               "Command5", "Command4"}),
            (std::vector<std::string>{"Spiel-Nr.", "Spielzeit", "Neues Spiel", "Spiel wiederholen", "Spiel laden",
                                      "Spielnummer speichern", "Aufgeben", "Zug vormachen", "Bestenliste"}));
  EXPECT_EQ(report.Control("Form1", layout::kGameNumberBox).accessibleName, "Spielnummer");

  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::NewGame)), 1));
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::GiveUp)).enabled; }));
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::GiveUp)), 1));
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::Replay)).enabled; }));
  // No game number: a German error box.
  ClickAt(Centre(origin, RectOf(kMain, layout::kGameNumberBox), 1));
  PressKeys("shift+Tab ctrl+a BackSpace");
  TypeText("x");
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", layout::kGameNumberBox).text == "x"; }));
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Replay)), 1));
  std::vector<XWindow> box;
  ASSERT_TRUE(WaitUntil([&] { return (box = VisibleWindows("Fehler")).size() == 1; })) << "no German error box";
  Shell("xdotool windowfocus --sync " + box.front().id + " key Return");
  ASSERT_TRUE(WaitUntil([&] { return VisibleWindows("Fehler").empty(); }));
  // A click in the box hands the focus to tile 1; Shift+Tab goes back into the box.
  ClickAt(Centre(origin, RectOf(kMain, layout::kGameNumberBox), 1));
  PressKeys("shift+Tab ctrl+a BackSpace");
  TypeText("52");
  ASSERT_TRUE(game.WaitForReport(
      [](const Report& r) { return r.Control("Form1", layout::kGameNumberBox).text == "52"; }, &report))
      << "typed: " << report.Control("Form1", layout::kGameNumberBox).text;
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Replay)), 1));
  ASSERT_TRUE(BoardShows(reader, "1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12"));

  // A winning time of at least a second, so it has a fraction. (A busy machine may report
  // the clock only from its second tick on.)
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", layout::kClockBox).text >= " 00:00:01"; }));
  PressKeys("Up");
  ASSERT_TRUE(WaitUntil([&] { return (box = VisibleWindows("Gewonnen!")).size() == 1; })) << "no congratulation";
  Shell("xdotool windowfocus --sync " + box.front().id + " key Return");
  ASSERT_TRUE(WaitUntil([&] { return (box = VisibleWindows("Gewonnen!")).size() == 1; })) << "no name prompt";
  Shell("xdotool windowfocus --sync " + box.front().id);
  // Letters of the screen's key map: xdotool types any other by mapping a spare key for a
  // moment, and a busy program may read that key after the map is restored.
  TypeText("Zoe");
  PressKeys("Return");
  ASSERT_TRUE(WaitUntil([&] { return !ReadFile(folder_ / "Fame.dat").empty(); })) << "nothing written";

  // One line: the name as typed, the number, the time in days with a period (plain or
  // with an exponent), today's date with the locale's month.
  const std::string entry = ReadFile(folder_ / "Fame.dat");
  char date[64];
  std::snprintf(date, sizeof date, "%s %02d, %04d", month, today.tm_mday, today.tm_year + 1900);
  const std::regex line("\"Zoe\",\"52\",([0-9]+\\.[0-9]+(e-[0-9]+)?),\"" + std::string(date) + "\"\r\n");
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(entry, parts, line)) << entry << " (expected the date " << date << ")";
  const double days = std::stod(parts[1].str());  // the test runs in the C locale
  EXPECT_GT(days, 0.5 / 86400) << "the clock showed a second before the winning key";
  EXPECT_LT(days, 1.0 / 24);
  EXPECT_EQ(RowsOf(BoardFromNames(game.ReadReport())), kSolved);

  // The Hall of Fame and Reload Game windows in German.
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::HallOfFame)), 1));
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Shown("Form2"); }, &report));
  EXPECT_EQ(captions("Form2", {"Label3", "Command1"}),
            (std::vector<std::string>{"Bestenliste", "Zurück zum Hauptfenster"}));
  EXPECT_EQ(report.Control("Form2", layout::kFameListingBox).text.rfind("Name\\tSpiel-Nr.\\tZeit\\tDatum", 0), 0u)
      << report.Control("Form2", layout::kFameListingBox).text;
  PressKeys("Escape");
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Shown("Form1") && !r.Shown("Form2"); }));
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Reload)), 1));
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Shown("Form3"); }, &report));
  EXPECT_EQ(captions("Form3", {"Label3", "Label1", "Command1"}),
            (std::vector<std::string>{"Spiel laden", "Spiel-Nr. wählen", "Zurück zum Hauptfenster"}));
}

// The command keys as a player presses them: Ctrl+N, Escape and Enter in the Reload Game
// and Hall of Fame windows, Enter in the game number box, Ctrl+Q.
TEST_F(RealWindow, CommandKeysDealLeaveTheWindowsPickReplayAndQuit) {
  WriteFile(folder_ / "Fame.dat", "\"Ann\",\"5252855902758\",0.0011921296296296296,\"Jan 01, 2026\"\r\n");
  WriteFile(folder_ / "saved.dat", "0\r\n52\r\n");
  ASSERT_TRUE(StartWithMainWindow(/*withRecords=*/false));
  RunningProgram& game = *game_;
  Report& report = report_;
  const QPoint origin = main_.place.topLeft();
  const BoardReader reader(screen_, origin, 1);
  const auto onlyUp = [&game](const std::string& window) {
    return game.WaitForReport([window](const Report& r) {
      for (const char* form : {"Form1", "Form2", "Form3"})
        if (r.Shown(form) != (window == form)) return false;
      return true;
    });
  };

  ClickAt(reader.CellRect(1).center());  // the focus on the board
  PressKeys("ctrl+n");
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::GiveUp)).enabled; },
                                 &report))
      << "Ctrl+N dealt no game";
  EXPECT_FALSE(report.Control("Form1", layout::kGameNumberBox).text.empty());
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::GiveUp)), 1));
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::Reload)).enabled; }));

  // Reload Game: Escape leaves it; Enter after a listed number typed in the box reloads it.
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Reload)), 1));
  ASSERT_TRUE(onlyUp("Form3"));
  const XWindow reload = WindowUp();
  const QRect combo = Expected(reload.place.topLeft(), RectOf(layout::kReloadWindowLayout, layout::kSavedGameBox), 1);
  ClickAt(combo.center() - QPoint(combo.width() / 4, 0));  // into the edit field
  PressKeys("Escape");
  ASSERT_TRUE(onlyUp("Form1")) << "Escape did not leave the Reload Game window";
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Reload)), 1));
  ASSERT_TRUE(onlyUp("Form3"));
  ClickAt(combo.center() - QPoint(combo.width() / 4, 0));
  TypeText("52");
  PressKeys("Return");
  ASSERT_TRUE(onlyUp("Form1")) << "Enter did not pick the typed entry";
  EXPECT_TRUE(BoardShows(reader, "1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12"));

  // Hall of Fame: Escape, then the keypad's Enter, each back to the game.
  for (const char* key : {"Escape", "KP_Enter"}) {
    ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::HallOfFame)), 1));
    ASSERT_TRUE(onlyUp("Form2"));
    const XWindow fame = WindowUp();
    ClickAt(
        Expected(fame.place.topLeft(), RectOf(layout::kHallOfFameWindowLayout, layout::kFameListingBox), 1).center());
    PressKeys(key);
    ASSERT_TRUE(onlyUp("Form1")) << key << " did not leave the Hall of Fame";
  }

  // Enter in the game number box between games: Replay Last Game.
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::GiveUp)), 1));
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::Replay)).enabled; }));
  EXPECT_TRUE(BoardShows(reader, kSolved));
  ClickAt(Centre(origin, RectOf(kMain, layout::kGameNumberBox), 1));
  PressKeys("shift+Tab");  // from tile 1 back into the box
  PressKeys("Return");
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::GiveUp)).enabled; }))
      << "Enter in the box did not replay";
  EXPECT_TRUE(BoardShows(reader, "1 2 3 4 / 5 6 7 8 / 9 10 11 0 / 13 14 15 12"));

  PressKeys("ctrl+q");
  EXPECT_TRUE(WaitUntil([&] { return !game.Running(); })) << "Ctrl+Q did not end the program";
}

// Under a scale factor of 2 the window and every framed control are twice the size in
// device pixels.
TEST_F(RealWindow, AScaleFactorOfTwoDoublesEveryControl) {
  RunningProgram game(program_, folder_, {{"QT_SCALE_FACTOR", "2"}});
  Report report;
  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Shown("Form1"); }, &report));
  ASSERT_EQ(report.scale, 2);
  XWindow main = WindowUp();
  ASSERT_TRUE(game.WaitForReport(
      [&](const Report& r) { return r.windows.at("Form1").client.topLeft() * 2 == main.place.topLeft(); }, &report));
  ExpectLaidOut(report, "Form1", kMain, main, 2);
  EXPECT_EQ(main.place.size(), QSize(802, 944));
  const QPoint origin = main.place.topLeft();
  QImage screen;
  ASSERT_TRUE(WaitUntil([&] {
    screen = GrabScreen();
    return Painted(screen, origin, 2);
  }));
  for (const layout::ControlLayout& control : kMain.controls) {
    if (control.kind != layout::ControlKind::Button || !control.visible) continue;
    const QRect expected = Expected(origin, control.rect, 2);
    EXPECT_TRUE(WithinAPixel(MeasureFrame(screen, expected, 2), expected, 2)) << layout::ControlName(control);
  }
  const BoardReader reader(screen, origin, 2);
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::NewGame)), 2));
  ASSERT_TRUE(game.WaitForReport(
      [](const Report& r) { return !r.Control("Form1", layout::kGameNumberBox).text.empty(); }, &report));
  EXPECT_TRUE(BoardShows(reader, RowsOf(BoardFromNames(report))));
}

// The same on a screen of 1024 x 768 (tests/real_window/CMakeLists.txt).
class SmallScreen : public RealWindow {};

// At a scale factor of 2 the screen is 512 x 384 logical pixels: every window and box lies
// wholly on it. The main and Hall of Fame windows, too tall for it, are scaled as a whole
// to its height; Reload Game fits and keeps its place, centred; the name prompt is moved in
// from its place, which runs off the right edge; a message box stays on the screen.
TEST_F(SmallScreen, AtScaleTwoEveryWindowAndBoxLiesOnTheScreen) {
  const QRect screen(QPoint(0, 0), GrabScreen().size());
  ASSERT_EQ(screen.size(), QSize(1024, 768));
  WriteRecords();
  WriteFile(folder_ / "saved.dat", "52\r\n");
  RunningProgram game(program_, folder_, {{"QT_SCALE_FACTOR", "2"}});
  const auto up = [&](const std::string& form, const layout::WindowLayout& table, double shrunk) {
    Report report;
    EXPECT_TRUE(game.WaitForReport([&](const Report& r) { return r.Shown(form); }));
    const XWindow window = WindowUp();
    EXPECT_TRUE(screen.contains(window.place)) << form << " at " << window.place.x() << "," << window.place.y();
    EXPECT_TRUE(game.WaitForReport(
        [&](const Report& r) { return r.windows.at(form).client.topLeft() * 2 == window.place.topLeft(); }, &report))
        << form << " placed";
    ExpectLaidOut(report, form, table, window, 2, shrunk);
    return window;
  };
  const auto tallest = [&](const layout::WindowLayout& table) { return 384 / (table.clientHeight * 96 / 1440.0); };
  const XWindow main = up("Form1", kMain, tallest(kMain));
  const QPoint origin = main.place.topLeft();

  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::HallOfFame)), 2, tallest(kMain)));
  const XWindow fame = up("Form2", layout::kHallOfFameWindowLayout, tallest(layout::kHallOfFameWindowLayout));
  const QRect back = Expected(fame.place.topLeft(), RectOf(layout::kHallOfFameWindowLayout, layout::kFameReturnButton),
                              2, tallest(layout::kHallOfFameWindowLayout));
  ASSERT_TRUE(WaitUntil([&] { return WithinAPixel(MeasureFrame(GrabScreen(), back, 2), back, 2); }))
      << "on the screen: Return to Main Screen";
  ClickAt(back.center());

  ASSERT_TRUE(game.WaitForReport([](const Report& r) { return r.Shown("Form1"); }));
  ClickAt(Centre(origin, RectOf(kMain, ButtonOf(EventId::Reload)), 2, tallest(kMain)));
  const XWindow reload = up("Form3", layout::kReloadWindowLayout, 1);
  EXPECT_LE((reload.place.center() - screen.center()).manhattanLength(), 2) << "centred";
  const QRect combo = Expected(reload.place.topLeft(), RectOf(layout::kReloadWindowLayout, layout::kSavedGameBox), 2);
  ClickAt(combo.center() - QPoint(combo.width() / 4, 0));  // into the edit field
  TypeText("52");
  PressKeys("Return");
  ASSERT_TRUE(
      game.WaitForReport([](const Report& r) { return r.Control("Form1", ButtonOf(EventId::GiveUp)).enabled; }));
  PressKeys("Up");  // the winning move

  const XWindow message = WindowUp("Congratulations!");
  EXPECT_TRUE(screen.contains(message.place)) << "the message box";
  Shell("xdotool windowfocus --sync " + message.id + " key Return");
  XWindow prompt;
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<XWindow> boxes = VisibleWindows("Congratulations!");
    return boxes.size() == 1 && (prompt = boxes.front()).id != message.id;
  })) << "no name prompt";
  EXPECT_TRUE(screen.contains(prompt.place)) << "the name prompt";
  EXPECT_EQ(prompt.place.topRight(), QPoint(screen.right(), 200)) << "moved no further than onto the screen";
  Shell("xdotool windowfocus --sync " + prompt.id);
  TypeText("Zed");
  PressKeys("Return");
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(folder_ / "Fame.dat").find("\"Zed\",\"52\"") != std::string::npos; }));
}

}  // namespace
}  // namespace quarvel::desktop
