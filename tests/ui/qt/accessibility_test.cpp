// What a screen reader gets: a name for every control, tiles that say where they stand,
// and message and input boxes that say their title and text.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/qt/qt_harness.h"

namespace quarvel::testing {
namespace {

QString Accessible(QObject* object, QAccessible::Text what = QAccessible::Name) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(what) : QStringLiteral("<no interface>");
}

TEST(QtAccessibility, EveryControlOfTheThreeWindowsHasAName) {
  QtHarness h;
  for (qt::FormWindow* window : {static_cast<qt::FormWindow*>(&h.main()), static_cast<qt::FormWindow*>(&h.fame()),
                                 static_cast<qt::FormWindow*>(&h.reload())}) {
    // An application window to a screen reader ("frame" over the accessibility bus).
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    EXPECT_EQ(Accessible(window), "Quarvel Orbix");
    const auto controls = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* control : controls) {
      EXPECT_FALSE(Accessible(control).trimmed().isEmpty())
          << window->objectName().toStdString() << " " << control->objectName().toStdString();
    }
  }
  EXPECT_EQ(Accessible(h.main().gameNumberBox()), "Game number");
  EXPECT_EQ(Accessible(h.main().timeBox()), "Time taken");
  EXPECT_EQ(Accessible(h.main().command(EventId::Replay)), "Replay Last Game");
  EXPECT_EQ(Accessible(h.fame().listingBox()), "Hall of Fame listing");
  EXPECT_EQ(Accessible(h.reload().combo()), "Saved game number");
}

TEST(QtAccessibility, TilesSayTheirNumberAndCellAsTheyMove) {
  QtHarness h;
  h.draws.fallback = 0.5;  // deals 9 1 10 3 / 11 5 12 7 / 13 2 14 6 / 15 4 _ 8
  ASSERT_TRUE(h.frontEnd.Start());
  EXPECT_EQ(Accessible(h.main().tile(7)), "Tile 7, row 2, column 3");
  EXPECT_EQ(Accessible(h.main().tile(0)), "Empty cell, row 4, column 4");

  QTest::mouseClick(h.main().command(EventId::NewGame), Qt::LeftButton);
  EXPECT_EQ(Accessible(h.main().tile(9)), "Tile 9, row 1, column 1");
  EXPECT_EQ(Accessible(h.main().tile(8)), "Tile 8, row 4, column 4");
  QTest::mouseClick(h.main().tile(8), Qt::LeftButton);
  EXPECT_EQ(Accessible(h.main().tile(8)), "Tile 8, row 4, column 3");
  EXPECT_EQ(Accessible(h.main().tile(0)), "Empty cell, row 4, column 4");
  // The caption stays the bare number.
  EXPECT_EQ(h.main().tile(8)->text(), "8");
}

// A number put into the "Game #" box through the accessible text interface, as a screen
// reader or voice control does without key presses, is the one Replay starts.
TEST(QtAccessibility, ANumberPutIntoTheGameNumberBoxByAScreenReaderIsTheOneReplayed) {
  QtHarness h;
  ASSERT_TRUE(h.frontEnd.Start());
  QTest::mouseClick(h.main().command(EventId::NewGame), Qt::LeftButton);
  QTest::mouseClick(h.main().command(EventId::GiveUp), Qt::LeftButton);
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(h.main().gameNumberBox());
  ASSERT_TRUE(box && box->editableTextInterface() && box->textInterface());
  box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), "52");
  QTest::mouseClick(h.main().command(EventId::Replay), Qt::LeftButton);
  EXPECT_EQ(h.main().gameNumberBox()->text(), "52");
  // Game 52: 1 2 3 4 / 5 6 7 8 / 9 10 11 _ / 13 14 15 12.
  EXPECT_EQ(Accessible(h.main().tile(12)), "Tile 12, row 4, column 4");
}

TEST(QtAccessibility, MessageAndInputBoxesSayTheirTitleAndText) {
  qt::QtBoxes boxes;
  QString boxName, boxDescription, okName, inputName, inputDescription, fieldName;
  ModalResponder responder({[&](QDialog& dialog) {
                              boxName = Accessible(&dialog);
                              boxDescription = Accessible(&dialog, QAccessible::Description);
                              auto* box = qobject_cast<QMessageBox*>(&dialog);
                              ASSERT_NE(box, nullptr);
                              okName = Accessible(box->button(QMessageBox::Ok));
                              box->button(QMessageBox::Ok)->click();
                            },
                            [&](QDialog& dialog) {
                              inputName = Accessible(&dialog);
                              inputDescription = Accessible(&dialog, QAccessible::Description);
                              auto* field = dialog.findChild<QLineEdit*>();
                              ASSERT_NE(field, nullptr);
                              fieldName = Accessible(field);
                              dialog.reject();
                            }});
  int answers = 0;
  boxes.Show({BoxKind::Message, "Error!", "No games have yet been saved.", 0, 0, 1}, nullptr,
             [&](const BoxAnswer&) { ++answers; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers == 1; }, 1000));
  boxes.Show({BoxKind::NamePrompt, "Congratulations!", "Enter your name for the Hall of Fame", 6000, 1500, 2}, nullptr,
             [&](const BoxAnswer&) { ++answers; });
  ASSERT_TRUE(responder.Settle());
  ASSERT_EQ(answers, 2);
  EXPECT_EQ(boxName, "Error!");
  EXPECT_EQ(boxDescription, "No games have yet been saved.");
  EXPECT_EQ(okName, "OK");
  EXPECT_EQ(inputName, "Congratulations!");
  EXPECT_EQ(inputDescription, "Enter your name for the Hall of Fame");
  EXPECT_EQ(fieldName, "Enter your name for the Hall of Fame");
}

}  // namespace
}  // namespace quarvel::testing
