// The boxes: their look, the input box's place, the window they appear over, what the
// program takes while one is up, and the start-up failure.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QInputDialog>
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

// The program's boxes shown as Qt dialogs; everything else scripted.
struct QtBoxesHarness {
  ScriptedClock clock{ScriptedStart()};
  ScriptedDrawList draws;
  Boxes boxes;
  ScriptedWindowSystem windowSystem;
  MemoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, draws, shortest};
  Program program{services};
  qt::QtFrontEnd frontEnd{program, nullptr};
  int ended = 0;
  QtBoxesHarness() {
    frontEnd.SetOnEnded([this] { ++ended; });
  }
};

TEST(QtBoxes, AMessageHasItsTitleTextAndOnlyAnOkButtonOverTheWindowUpAndWhatFollowsItWaits) {
  QtBoxesHarness h;
  h.files.files["quarvel.dat"] = kSolvedHomeFile;
  ASSERT_TRUE(h.frontEnd.Start());
  QPushButton* save = h.frontEnd.mainWindow().command(EventId::Save);
  QTest::mouseClick(h.frontEnd.mainWindow().command(EventId::NewGame), Qt::LeftButton);

  SeenBox seen;
  bool saveEnabledDuringBox = false;
  ModalResponder responder({[&](QDialog& dialog) {
    saveEnabledDuringBox = save->isEnabled();
    ReadAndClose(seen)(dialog);
  }});
  QTest::mouseClick(save, Qt::LeftButton);  // returns with the box up: nothing waits in it
  ASSERT_NE(h.frontEnd.shownBox(), nullptr);
  ASSERT_TRUE(responder.Settle());
  EXPECT_EQ(seen.title, "Success!");
  EXPECT_EQ(seen.text, "Game # successfully saved.");
  EXPECT_TRUE(seen.okOnly);
  EXPECT_TRUE(seen.noIcon);
  EXPECT_EQ(seen.owner, &h.frontEnd.mainWindow());
  EXPECT_TRUE(saveEnabledDuringBox) << "the button is disabled once the box is closed";
  EXPECT_FALSE(save->isEnabled());
  EXPECT_EQ(h.frontEnd.shownBox(), nullptr);
}

TEST(QtBoxes, WhileABoxIsUpTicksAndLengthsAreTakenAndClicksRefused) {
  QtBoxesHarness h;
  h.files.files["quarvel.dat"] = kSolvedHomeFile;
  ASSERT_TRUE(h.frontEnd.Start());
  QTest::mouseClick(h.frontEnd.mainWindow().command(EventId::NewGame), Qt::LeftButton);
  const std::uint64_t game = h.program.state().game.gamesBegun;
  QTest::mouseClick(h.frontEnd.mainWindow().command(EventId::Save), Qt::LeftButton);  // "Success!"
  ASSERT_NE(h.program.box(), nullptr);

  h.clock.Advance(5);
  h.frontEnd.Tick();
  EXPECT_EQ(h.frontEnd.mainWindow().timeBox()->text(), " 00:00:05");
  h.frontEnd.Forward({EventId::ShortestLength, 39, {}, game});
  EXPECT_EQ(h.frontEnd.mainWindow().gameNumberBox()->toolTip(), "The shortest solution of this game takes 39 moves.");
  const Position before = h.program.state().game.board.position;
  h.frontEnd.Forward({EventId::GiveUp});
  h.frontEnd.Forward({EventId::ArrowUp});
  EXPECT_TRUE(h.program.state().game.GameInProgress);
  EXPECT_EQ(h.program.state().game.board.position, before);
  EXPECT_NE(h.frontEnd.shownBox(), nullptr);
  h.frontEnd.shownBox()->accept();
  EXPECT_EQ(h.program.box(), nullptr);
}

TEST(QtBoxes, AFailureIsShownOverTheWindowAlreadyUp) {
  QtBoxesHarness h;
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
  QTest::mouseClick(h.frontEnd.mainWindow().command(EventId::HallOfFame), Qt::LeftButton);
  ASSERT_TRUE(responder.Settle());
  EXPECT_EQ(seen.title, "Error!");
  EXPECT_NE(seen.text.find("Fame.dat"), std::string::npos) << seen.text;
  EXPECT_TRUE(fameUpDuringBox);
  EXPECT_FALSE(mainUpDuringBox);
  EXPECT_EQ(seen.owner, &h.frontEnd.hallOfFameWindow());
  EXPECT_EQ(h.frontEnd.hallOfFameWindow().listingBox()->toPlainText(), "");
}

TEST(QtBoxes, AMissingHomePositionsFileEndsTheProgramOnceItsErrorBoxIsClosed) {
  QtBoxesHarness h;  // no quarvel.dat
  SeenBox seen;
  ModalResponder responder({ReadAndClose(seen)});
  EXPECT_FALSE(h.frontEnd.Start());
  EXPECT_EQ(h.ended, 0) << "not before the player has read why";
  ASSERT_TRUE(responder.Settle());
  EXPECT_EQ(seen.title, "Error!");
  EXPECT_NE(seen.text.find("quarvel.dat"), std::string::npos) << seen.text;
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_FALSE(h.frontEnd.mainWindow().isVisible());
  EXPECT_FALSE(h.frontEnd.timer().isActive());
  EXPECT_EQ(h.ended, 1);
  EXPECT_TRUE(h.program.ended());
  EXPECT_EQ(h.program.exitStatus(), 1);
}

TEST(QtBoxes, TheNamePromptStandsAtItsPlaceOnTheScreenAndAnswersWhatWasTypedOrCancel) {
  qt::QtBoxes boxes;
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
  std::vector<BoxAnswer> answers;
  const auto answered = [&](const BoxAnswer& answer) { answers.push_back(answer); };
  boxes.Show({BoxKind::NamePrompt, "Congratulations!", "Your name?", 6000, 1500, 1}, nullptr, answered);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers.size() == 1; }, 1000));
  boxes.Show({BoxKind::NamePrompt, "Congratulations!", "Your name?", 6000, 1500, 2}, nullptr, answered);
  ASSERT_TRUE(responder.Settle());
  EXPECT_EQ(answers, (std::vector<BoxAnswer>{std::string("Zoë"), std::nullopt}));
  EXPECT_EQ(place, screen->geometry().topLeft() + QPoint(TwipsToPixels(6000, dpi), TwipsToPixels(1500, dpi)));
  EXPECT_EQ(title, "Congratulations!");
  EXPECT_EQ(prompt, "Your name?");
  EXPECT_EQ(initial, "");
}

}  // namespace
}  // namespace quarvel::testing
