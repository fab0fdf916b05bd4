// The Hall of Fame and Reload Game windows: listing, list and pick, and which window is
// up after every way in and out, keys included.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>
#include <string>
#include <tuple>
#include <vector>

#include "ui/main_window_layout.h"
#include "ui/qt/qt_harness.h"

namespace quarvel::testing {
namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Exactly one of the three windows is shown.
void ExpectOnlyUp(QtHarness& h, const QWidget& up) {
  for (const QWidget* window :
       {static_cast<QWidget*>(&h.main()), static_cast<QWidget*>(&h.fame()), static_cast<QWidget*>(&h.reload())})
    EXPECT_EQ(window->isVisible(), window == &up) << window->objectName().toStdString();
}

TEST(QtHallOfFameWindow, ListsTheFileAndReturnsToTheMainWindow) {
  QtHarness h;
  h.files.files["Fame.dat"] =
      "\"Ann\",\"5252855902758\",0.0011921296296296296,\"Jan 01, 2026\"\r\n"
      "\"Bartholomew Xy\",\"10461394943999\",0.041655092592592594,\"Dec 31, 2025\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::HallOfFame));
  ExpectOnlyUp(h, h.fame());
  EXPECT_EQ(h.fame().listingBox()->toPlainText().toStdString(),
            "Name\tGame #\tTime\tDate\n"
            "\n"
            "Ann\t5252855902758\t01M  43S\tJan 01, 2026\n"
            "Bartholomew Xy\t10461394943999\t59M  59S\tDec 31, 2025\n");

  Click(h.fame().returnButton());
  ExpectOnlyUp(h, h.main());

  // A new entry since the last showing is listed; the listing is not doubled.
  h.files.files["Fame.dat"] = "\"Cy\",\"7\",0.00008101851851851852,\"Jan 02, 2026\"\r\n";
  Click(h.main().command(EventId::HallOfFame));
  EXPECT_EQ(h.fame().listingBox()->toPlainText().toStdString(),
            "Name\tGame #\tTime\tDate\n"
            "\n"
            "Cy\t7\t00M  07S\tJan 02, 2026\n");
  h.fame().close();  // the close box
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.program.windows().visible, WindowId::Main);
}

// Every column starts at its heading's x on every row, one line an entry, whatever the
// name: written by another program (a right-to-left override, one too long for its column)
// or typed by a winner (Hebrew, emoji, an emoji sequence joined by U+200D, wide letters,
// combining marks).
TEST(QtHallOfFameWindow, EveryRowReadsLeftToRightInItsColumnsWhateverTheName) {
  const std::vector<std::pair<std::string, std::string>> entries = {
      {"Eve\u202Eabc", "2026"},
      {"\u05D3\u05D5\u05D3 12", "31"},
      {"Bob \U0001F600", "5"},
      {"Zo\u00EB \U0001F600 \u05E9\u05DC\u05D5\u05DD", "5252855902758"},
      {"J\u00FCrgen M\u00FCller\U0001F600", "10461394943999"},
      {"\U0001F468\u200D\U0001F469\u200D\U0001F467 Kim", "77"},
      {"\u5C71\u7530\u592A\u90CE\u3055\u3093", "88"},
      {"Zoe\u0308 Cafe\u0301 Noe\u0308l", "99"},
      {"A very long name over fifteen", "6666666666666666666"},
  };
  QtHarness h;
  for (const auto& [name, number] : entries)
    h.files.files["Fame.dat"] += "\"" + name + "\",\"" + number + "\",0.0008,\"Aug 08, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::HallOfFame));
  QPlainTextEdit& box = *h.fame().listingBox();
  const QTextDocument& listing = *box.document();
  ASSERT_EQ(listing.blockCount(), static_cast<int>(entries.size()) + 3);
  // Where each column starts on a line: the x of its text's first character.
  const auto starts = [&](int line, const std::vector<QString>& fields) {
    const QTextBlock block = listing.findBlockByNumber(line);
    EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    std::vector<qreal> x;
    for (const QString& field : fields)
      x.push_back(block.layout()->lineAt(0).cursorToX(static_cast<int>(block.text().indexOf(field))));
    return x;
  };
  const std::vector<qreal> headings = starts(0, {"Name", "Game #", "Time", "Date"});
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::vector<qreal> row =
        starts(static_cast<int>(k) + 2, {QString(), QString::fromStdString(entries[k].second), "01M", "Aug 08"});
    for (std::size_t column = 0; column < row.size(); ++column)
      EXPECT_NEAR(row[column], headings[column], 0.5) << entries[k].first << ", column " << column;
  }
  EXPECT_GT(box.horizontalScrollBar()->maximum(), 0) << "the listing is wider than the box";
}

TEST(QtHallOfFameWindow, IsCentredWhenLoadedAndKeepsItsPlaceWhenOnlyHidden) {
  QtHarness h;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::HallOfFame));
  const QRect screen = h.fame().screen()->geometry();
  const QRect frame = h.fame().frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);

  h.fame().move(10, 20);  // the player moves it
  Click(h.fame().returnButton());
  Click(h.main().command(EventId::HallOfFame));
  EXPECT_EQ(h.fame().pos(), QPoint(10, 20)) << "hidden, not unloaded: no new centring";

  h.fame().close();
  Click(h.main().command(EventId::HallOfFame));
  EXPECT_LE(std::abs(h.fame().frameGeometry().center().x() - screen.center().x()), 1) << "loaded again";
}

TEST(QtReloadWindow, ListsTheSavedNumbersAndAPickReloadsTheGame) {
  QtHarness h;
  h.files.files["saved.dat"] = "0\r\n5252855902758\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::Reload));
  ExpectOnlyUp(h, h.reload());
  QComboBox* combo = h.reload().combo();
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), "0");
  EXPECT_EQ(combo->itemText(1), "5252855902758");
  EXPECT_EQ(combo->currentText(), "");

  // Text typed into the edit field triggers nothing by itself, nor Enter after a text the
  // list does not hold; the box is not given a new entry.
  combo->setFocus();
  QTest::keyClicks(combo, "525285590275");
  ExpectOnlyUp(h, h.reload());
  QTest::keyClick(combo, Qt::Key_Return);
  ExpectOnlyUp(h, h.reload());
  EXPECT_EQ(combo->count(), 2);
  EXPECT_FALSE(h.program.state().game.GameInProgress);

  // A pick in the list: the arrow keys move through it, and Enter takes the entry.
  combo->setEditText("");
  combo->setCurrentIndex(0);
  QTest::keyClick(combo, Qt::Key_Down);
  QTest::keyClick(combo, Qt::Key_Return);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.state().game.GameInProgress);
  EXPECT_EQ(h.main().gameNumberBox()->text(), "5252855902758");
  EXPECT_FALSE(h.main().command(EventId::Reload)->isEnabled());
  EXPECT_FALSE(h.main().command(EventId::Save)->isEnabled());
  EXPECT_TRUE(h.main().command(EventId::GiveUp)->isEnabled());
  // That game was dealt as 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8; rebuilt from its
  // number, the blank comes back in the last cell and tile 8 beside it.
  const auto at = [&](int row, int column) {
    const TwipsRect cell = layout::CellRect(CellAt(row, column));
    return h.main().ToPixels(cell.Left, cell.Top);
  };
  EXPECT_EQ(h.main().tile(9)->pos(), at(1, 1));
  EXPECT_EQ(h.main().tile(8)->pos(), at(4, 3));
  EXPECT_EQ(h.main().tile(0)->pos(), at(4, 4));
}

// The arrow keys and the wheel over the closed box move the selection and start nothing;
// a game starts at Enter, in the box or in the open list, or at a click in the open list.
TEST(QtReloadWindow, ArrowKeysAndWheelOnlyMoveTheSelectionAndEnterOrTheOpenListPicks) {
  // Steps: v/^ Down/Up, p PageDown, w/W the wheel down/up, a Alt+Down (opens the list),
  // e Enter, c a click on the list's second entry. Then the box's text, or the game started.
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"v", "0", false},    {"vvvv", "5252855902758", false},
      {"vv^", "0", false},  {"pw", "12", false},
      {"wwW", "0", false},  {"vve", "12", true},
      {"vave", "12", true}, {"ac", "12", true}};
  for (const auto& [steps, text, picked] : cases) {
    QtHarness h;
    h.files.files["saved.dat"] = "0\r\n12\r\n5252855902758\r\n";
    ASSERT_TRUE(h.frontEnd.Start());
    Click(h.main().command(EventId::Reload));
    ASSERT_TRUE(h.Active(h.reload()));
    QComboBox* combo = h.reload().combo();
    QAbstractItemView& list = *combo->view();
    combo->setFocus();
    for (const char step : steps) {
      QWidget* target = list.isVisible() ? static_cast<QWidget*>(&list) : combo->lineEdit();
      if (step == 'w' || step == 'W') {
        const QPoint at = combo->rect().center();
        QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, step == 'w' ? -120 : 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
      } else if (step == 'c') {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(1, 0)).center());
      } else {
        const Qt::Key key = step == 'v' || step == 'a' ? Qt::Key_Down
                            : step == '^'              ? Qt::Key_Up
                            : step == 'p'              ? Qt::Key_PageDown
                                                       : Qt::Key_Return;
        QTest::keyClick(target, key, step == 'a' ? Qt::AltModifier : Qt::NoModifier);
      }
    }
    ExpectOnlyUp(h, picked ? static_cast<QWidget&>(h.main()) : h.reload());
    EXPECT_EQ(h.program.state().game.GameInProgress, picked) << steps;
    EXPECT_EQ((picked ? h.main().gameNumberBox()->text() : combo->currentText()).toStdString(), text) << steps;
  }
}

TEST(QtReloadWindow, EnterPicksTheListedEntryTypedInTheBox) {
  QtHarness h;
  h.files.files["saved.dat"] = "0\r\n5252855902758\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::Reload));
  QComboBox* combo = h.reload().combo();
  combo->setFocus();
  QTest::keyClicks(combo->lineEdit(), "5252855902758");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.state().game.GameInProgress);
  EXPECT_EQ(h.main().gameNumberBox()->text(), "5252855902758");
  const TwipsRect cell = layout::CellRect(CellAt(4, 3));
  EXPECT_EQ(h.main().tile(8)->pos(), h.main().ToPixels(cell.Left, cell.Top)) << "that game, rebuilt from its number";
}

TEST(QtRecordsWindows, EscapeLeavesBothAndEnterLeavesTheHallOfFameAsTheReturnButtonDoes) {
  QtHarness h;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  h.files.files["saved.dat"] = "12\r\n";
  ASSERT_TRUE(h.frontEnd.Start());

  // From the listing, from the button, and the keypad's Enter.
  const std::vector<std::pair<QWidget*, QKeyCombination>> fameKeys = {
      {h.fame().listingBox(), Qt::Key_Escape},
      {h.fame().listingBox(), Qt::Key_Return},
      {h.fame().returnButton(), Qt::KeypadModifier | Qt::Key_Enter}};
  for (const auto& [target, key] : fameKeys) {
    Click(h.main().command(EventId::HallOfFame));
    ASSERT_TRUE(h.Active(h.fame()));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    ExpectOnlyUp(h, h.main());
    EXPECT_TRUE(h.program.windows().hallOfFameLoaded) << "hidden, as by the button, not unloaded";
  }

  Click(h.main().command(EventId::Reload));
  ASSERT_TRUE(h.Active(h.reload()));
  h.reload().combo()->setFocus();
  QTest::keyClicks(h.reload().combo(), "12");
  QTest::keyClick(h.reload().combo(), Qt::Key_Escape);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.windows().reloadLoaded);
  EXPECT_FALSE(h.program.state().game.GameInProgress) << "the typed entry is not picked";

  // Enter means nothing in the Reload Game window outside its box.
  Click(h.main().command(EventId::Reload));
  QTest::keyClick(h.reload().returnButton(), Qt::Key_Return);
  ExpectOnlyUp(h, h.reload());
}

TEST(QtReloadWindow, ReturnAndCloseBoxLeaveTheGameAloneAndTheListIsReadAfresh) {
  QtHarness h;
  h.files.files["saved.dat"] = "12\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::Reload));
  h.reload().combo()->setEditText("typed");
  Click(h.reload().returnButton());
  ExpectOnlyUp(h, h.main());
  EXPECT_FALSE(h.program.state().game.GameInProgress);

  h.files.files["saved.dat"] = "12\r\n12\r\n345\r\n";
  Click(h.main().command(EventId::Reload));
  EXPECT_EQ(h.reload().combo()->count(), 3);
  EXPECT_EQ(h.reload().combo()->currentText(), "") << "emptied at every activation";

  h.reload().combo()->setEditText("typed again");
  h.frontEnd.Tick();
  EXPECT_EQ(h.reload().combo()->currentText(), "typed again") << "a redraw leaves typing alone";

  h.reload().close();
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.program.windows().reloadLoaded, false);
  Click(h.main().command(EventId::Reload));
  EXPECT_EQ(h.reload().combo()->currentText(), "");
}

TEST(QtReloadWindow, NothingSavedIsRefusedWithTheMainWindowStayingUp) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(EventId::Reload));
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Error!|No games have yet been saved."}));
}

}  // namespace
}  // namespace quarvel::testing
