// The modal boxes: their look, the input box's place, the window they appear over, and
// the start-up failure.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/qt/qt_harness.h"
#include "ui/twips.h"

namespace quarvel::testing {
namespace {

struct SeenBox {
  std::string title;
  std::string text;
  bool okOnly = false;
  bool noIcon = false;
  QWidget* owner = nullptr;
};

ModalResponder::Handler ReadAndClose(SeenBox& seen) {
  return [&seen](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    ASSERT_NE(box, nullptr);
    seen.title = box->windowTitle().toStdString();
    seen.text = box->text().toStdString();
    seen.okOnly = box->standardButtons() == QMessageBox::Ok;
    seen.noIcon = box->icon() == QMessageBox::NoIcon;
    seen.owner = box->parentWidget();
    box->button(QMessageBox::Ok)->click();
  };
}

// The program on Qt dialogs; everything else scripted.
struct QtDialogsHarness {
  ScriptedClock clock{ScriptedStart()};
  ScriptedDrawList draws;
  qt::QtDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  MemoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, dialogs, windowSystem, files, draws, shortest};
  Program program{services};
  qt::QtFrontEnd frontEnd{program, &dialogs, nullptr};
};

TEST(QtDialogs, AMessageBoxHasItsTitleTextAndOnlyAnOkButtonOverTheWindowThatIsUp) {
  QtDialogsHarness h;
  h.files.files["quarvel.dat"] = kSolvedHomeFile;
  ASSERT_TRUE(h.frontEnd.Start());
  QTest::mouseClick(h.frontEnd.mainWindow().command(Command::NewGame), Qt::LeftButton);

  SeenBox seen;
  ModalResponder responder({ReadAndClose(seen)});
  QTest::mouseClick(h.frontEnd.mainWindow().command(Command::Save), Qt::LeftButton);
  ASSERT_EQ(responder.handled(), 1);
  EXPECT_EQ(seen.title, "Success!");
  EXPECT_EQ(seen.text, "Game # successfully saved.");
  EXPECT_TRUE(seen.okOnly);
  EXPECT_TRUE(seen.noIcon);
  EXPECT_EQ(seen.owner, &h.frontEnd.mainWindow());
}

TEST(QtDialogs, TicksWhileABoxHoldsAHandlerAreDropped) {
  QtDialogsHarness h;
  h.files.files["quarvel.dat"] = kSolvedHomeFile;
  ASSERT_TRUE(h.frontEnd.Start());
  QTest::mouseClick(h.frontEnd.mainWindow().command(Command::NewGame), Qt::LeftButton);
  QLineEdit* time = h.frontEnd.mainWindow().timeBox();

  QString duringBox = "unset";
  ModalResponder responder({[&](QDialog& dialog) {
    h.clock.Advance(5);
    h.frontEnd.Tick();
    duringBox = time->text();
    dialog.accept();
  }});
  QTest::mouseClick(h.frontEnd.mainWindow().command(Command::Save), Qt::LeftButton);  // "Success!" box
  ASSERT_EQ(responder.handled(), 1);
  EXPECT_EQ(duringBox, "");
  h.frontEnd.Tick();
  EXPECT_EQ(time->text(), " 00:00:05");
}

TEST(QtDialogs, AFailureIsShownOverTheWindowAlreadyUp) {
  QtDialogsHarness h;
  h.files.files["quarvel.dat"] = kSolvedHomeFile;
  h.files.files["Fame.dat"] = "\"Ann\",\"0\",0.001,\"Jan 01, 2026\"\r\n";
  ASSERT_TRUE(h.frontEnd.Start());
  h.files.files.erase("Fame.dat");  // removed behind the program's back

  SeenBox seen;
  bool fameUpDuringBox = false;
  bool mainUpDuringBox = true;
  ModalResponder responder({[&](QDialog& dialog) {
    fameUpDuringBox = h.frontEnd.hallOfFameWindow().isVisible();
    mainUpDuringBox = h.frontEnd.mainWindow().isVisible();
    ReadAndClose(seen)(dialog);
  }});
  QTest::mouseClick(h.frontEnd.mainWindow().command(Command::HallOfFame), Qt::LeftButton);
  ASSERT_EQ(responder.handled(), 1);
  EXPECT_EQ(seen.title, "Error!");
  EXPECT_NE(seen.text.find("Fame.dat"), std::string::npos) << seen.text;
  EXPECT_TRUE(fameUpDuringBox);
  EXPECT_FALSE(mainUpDuringBox);
  EXPECT_EQ(seen.owner, &h.frontEnd.hallOfFameWindow());
  EXPECT_EQ(h.frontEnd.hallOfFameWindow().listingBox()->toPlainText(), "");
}

TEST(QtDialogs, AMissingHomePositionsFileStopsStartUpAfterTheErrorBox) {
  QtDialogsHarness h;  // no quarvel.dat
  SeenBox seen;
  ModalResponder responder({ReadAndClose(seen)});
  EXPECT_FALSE(h.frontEnd.Start());
  ASSERT_EQ(responder.handled(), 1);
  EXPECT_EQ(seen.title, "Error!");
  EXPECT_NE(seen.text.find("quarvel.dat"), std::string::npos) << seen.text;
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_FALSE(h.frontEnd.mainWindow().isVisible());
  EXPECT_FALSE(h.frontEnd.timer().isActive());
}

TEST(QtDialogs, TheInputBoxStandsAtItsPlaceOnTheScreenAndReturnsWhatWasTyped) {
  qt::QtDialogs dialogs;
  QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen->logicalDotsPerInch();
  QPoint place;
  std::string title, prompt, initial;
  ModalResponder responder({[&](QDialog& dialog) {
                              auto* input = qobject_cast<QInputDialog*>(&dialog);
                              ASSERT_NE(input, nullptr);
                              place = input->pos();
                              title = input->windowTitle().toStdString();
                              prompt = input->labelText().toStdString();
                              initial = input->textValue().toStdString();
                              input->setTextValue("Zoë");
                              input->accept();
                            },
                            [](QDialog& dialog) { dialog.reject(); }});
  const auto answer = dialogs.AskInput("Congratulations!", "Your name?", 6000, 1500);
  EXPECT_EQ(answer, std::optional<std::string>("Zoë"));
  EXPECT_EQ(place, screen->geometry().topLeft() + QPoint(TwipsToPixels(6000, dpi), TwipsToPixels(1500, dpi)));
  EXPECT_EQ(title, "Congratulations!");
  EXPECT_EQ(prompt, "Your name?");
  EXPECT_EQ(initial, "");

  EXPECT_EQ(dialogs.AskInput("Congratulations!", "Your name?", 6000, 1500), std::nullopt) << "cancelled";
  EXPECT_EQ(responder.handled(), 2);
}

}  // namespace
}  // namespace quarvel::testing
