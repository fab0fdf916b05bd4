// The Hall of Fame and Reload Game windows: listing, list and pick, and which window is
// up after every way in and out, keys included.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
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
  Click(h.main().command(Command::HallOfFame));
  ExpectOnlyUp(h, h.fame());
  EXPECT_EQ(h.fame().listingBox()->toPlainText().toStdString(),
            "Name           Game #           Time       Date\n"
            "\n"
            "Ann            5252855902758    01M  43S   Jan 01, 2026\n"
            "Bartholomew Xy 10461394943999   59M  59S   Dec 31, 2025\n");

  Click(h.fame().returnButton());
  ExpectOnlyUp(h, h.main());

  // A new entry since the last showing is listed; the listing is not doubled.
  h.files.files["Fame.dat"] = "\"Cy\",\"7\",0.00008101851851851852,\"Jan 02, 2026\"\r\n";
  Click(h.main().command(Command::HallOfFame));
  EXPECT_EQ(h.fame().listingBox()->toPlainText().toStdString(),
            "Name           Game #           Time       Date\n"
            "\n"
            "Cy             7                00M  07S   Jan 02, 2026\n");
  h.fame().close();  // the close box
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.program.windows().visible, WindowId::Main);
}

TEST(QtHallOfFameWindow, EveryRowReadsLeftToRightInItsColumnsWhateverTheName) {
  QtHarness h;
  h.files.files["Fame.dat"] =  // written by another program: a right-to-left override, Hebrew, emoji
      "\"Eve\u202Eabc\",\"2026\",0.0001,\"Dec 07, 2026\"\r\n"
      "\"\u05D3\u05D5\u05D3 12\",\"31\",0.0002,\"Dec 08, 2026\"\r\n"
      "\"Bob \U0001F600\",\"5\",0.0003,\"Dec 09, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::HallOfFame));
  const QTextDocument& listing = *h.fame().listingBox()->document();
  ASSERT_EQ(listing.blockCount(), 6);
  for (int row = 2; row < 5; ++row) {
    const QTextBlock block = listing.findBlockByNumber(row);
    const QString text = block.text();
    ASSERT_NE(block.layout(), nullptr);
    ASSERT_EQ(block.layout()->lineCount(), 1);
    // Where the name, the game number, the time and the date begin on screen.
    qreal left = -1;
    for (int column : {1, int(text.indexOf(QRegularExpression(" \\d+ +\\d\\dM"))) + 1, int(text.indexOf("M  ")) - 2,
                       int(text.indexOf("Dec"))}) {
      const qreal x = block.layout()->lineAt(0).cursorToX(column);
      EXPECT_GT(x, left) << row << ": " << text.toStdString() << " at " << column;
      left = x;
    }
  }
}

TEST(QtHallOfFameWindow, IsCentredWhenLoadedAndKeepsItsPlaceWhenOnlyHidden) {
  QtHarness h;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::HallOfFame));
  const QRect screen = h.fame().screen()->geometry();
  const QRect frame = h.fame().frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);

  h.fame().move(10, 20);  // the player moves it
  Click(h.fame().returnButton());
  Click(h.main().command(Command::HallOfFame));
  EXPECT_EQ(h.fame().pos(), QPoint(10, 20)) << "hidden, not unloaded: no new centring";

  h.fame().close();
  Click(h.main().command(Command::HallOfFame));
  EXPECT_LE(std::abs(h.fame().frameGeometry().center().x() - screen.center().x()), 1) << "loaded again";
}

TEST(QtReloadWindow, ListsTheSavedNumbersAndAPickReloadsTheGame) {
  QtHarness h;
  h.files.files["saved.dat"] = "0\r\n5252855902758\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::Reload));
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
  EXPECT_FALSE(h.program.state().GameInProgress);

  // A pick in the list: the arrow keys move through it, and Enter takes the entry.
  combo->setEditText("");
  combo->setCurrentIndex(0);
  QTest::keyClick(combo, Qt::Key_Down);
  QTest::keyClick(combo, Qt::Key_Return);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.state().GameInProgress);
  EXPECT_EQ(h.main().gameNumberBox()->text(), "5252855902758");
  EXPECT_FALSE(h.main().command(Command::Reload)->isEnabled());
  EXPECT_FALSE(h.main().command(Command::Save)->isEnabled());
  EXPECT_TRUE(h.main().command(Command::GiveUp)->isEnabled());
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
    Click(h.main().command(Command::Reload));
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
    EXPECT_EQ(h.program.state().GameInProgress, picked) << steps;
    EXPECT_EQ((picked ? h.main().gameNumberBox()->text() : combo->currentText()).toStdString(), text) << steps;
  }
}

TEST(QtReloadWindow, EnterPicksTheListedEntryTypedInTheBox) {
  QtHarness h;
  h.files.files["saved.dat"] = "0\r\n5252855902758\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::Reload));
  QComboBox* combo = h.reload().combo();
  combo->setFocus();
  QTest::keyClicks(combo->lineEdit(), "5252855902758");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.state().GameInProgress);
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
    Click(h.main().command(Command::HallOfFame));
    ASSERT_TRUE(h.Active(h.fame()));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    ExpectOnlyUp(h, h.main());
    EXPECT_TRUE(h.program.windows().hallOfFameLoaded) << "hidden, as by the button, not unloaded";
  }

  Click(h.main().command(Command::Reload));
  ASSERT_TRUE(h.Active(h.reload()));
  h.reload().combo()->setFocus();
  QTest::keyClicks(h.reload().combo(), "12");
  QTest::keyClick(h.reload().combo(), Qt::Key_Escape);
  ExpectOnlyUp(h, h.main());
  EXPECT_TRUE(h.program.windows().reloadLoaded);
  EXPECT_FALSE(h.program.state().GameInProgress) << "the typed entry is not picked";

  // Enter means nothing in the Reload Game window outside its box.
  Click(h.main().command(Command::Reload));
  QTest::keyClick(h.reload().returnButton(), Qt::Key_Return);
  ExpectOnlyUp(h, h.reload());
}

TEST(QtReloadWindow, ReturnAndCloseBoxLeaveTheGameAloneAndTheListIsReadAfresh) {
  QtHarness h;
  h.files.files["saved.dat"] = "12\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::Reload));
  h.reload().combo()->setEditText("typed");
  Click(h.reload().returnButton());
  ExpectOnlyUp(h, h.main());
  EXPECT_FALSE(h.program.state().GameInProgress);

  h.files.files["saved.dat"] = "12\r\n12\r\n345\r\n";
  Click(h.main().command(Command::Reload));
  EXPECT_EQ(h.reload().combo()->count(), 3);
  EXPECT_EQ(h.reload().combo()->currentText(), "") << "emptied at every activation";

  h.reload().combo()->setEditText("typed again");
  h.frontEnd.Tick();
  EXPECT_EQ(h.reload().combo()->currentText(), "typed again") << "a redraw leaves typing alone";

  h.reload().close();
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.program.windows().reloadLoaded, false);
  Click(h.main().command(Command::Reload));
  EXPECT_EQ(h.reload().combo()->currentText(), "");
}

TEST(QtReloadWindow, NothingSavedIsRefusedWithTheMainWindowStayingUp) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  Click(h.main().command(Command::Reload));
  ExpectOnlyUp(h, h.main());
  EXPECT_EQ(h.dialogs.transcript, (std::vector<std::string>{"message Error!|No games have yet been saved."}));
}

}  // namespace
}  // namespace quarvel::testing
