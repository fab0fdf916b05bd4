#pragma once
// The Qt windows over a program on scripted services, and a helper that answers modal
// boxes from inside their event loop.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "platform/scripted.h"
#include "support/harness.h"
#include "ui/qt/front_end.h"
#include "ui/qt/qt_shortest_solutions.h"
#include "ui/qt/qt_window_system.h"

namespace quarvel::testing {

// Program and windows on scripted clock, draws and files, the boxes answered by the
// scripted player (`dialogs`) as they come up; the window system is the real one (focus
// and pointer).
struct QtHarness {
  ScriptedClock clock{ScriptedStart()};
  ScriptedDrawList draws;
  Boxes boxes;
  ScriptedDialogs dialogs;
  qt::QtWindowSystem windowSystem;
  MemoryFileStore files;
  qt::QtShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, draws, shortest};
  Program program{services};
  qt::QtFrontEnd frontEnd{program, &windowSystem, &shortest};
  int closedCalls = 0;

  QtHarness() {
    files.files["quarvel.dat"] = kSolvedHomeFile;
    frontEnd.AnswerBoxesWith([this](const Box& box) { return dialogs.Answer(box); });
    frontEnd.SetOnEnded([this] { ++closedCalls; });
  }
  qt::MainWindow& main() { return frontEnd.mainWindow(); }
  // Waits until `window` is the active window, as it is for a player's keys; the window
  // keys are taken only there.
  static bool Active(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
  qt::HallOfFameWindow& fame() { return frontEnd.hallOfFameWindow(); }
  qt::ReloadWindow& reload() { return frontEnd.reloadWindow(); }
};

// Hands the modal dialogs that come up while it lives to `handlers`, one each, in order;
// every handler must close its dialog. Settle() waits until all have come up.
class ModalResponder {
 public:
  using Handler = std::function<void(QDialog&)>;
  explicit ModalResponder(std::deque<Handler> handlers) : handlers_(std::move(handlers)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible() || handlers_.empty()) return;
      ++handled_;
      Handler handle = std::move(handlers_.front());
      handlers_.pop_front();
      handle(*dialog);
    });
    timer_.start(0);
  }
  int handled() const { return handled_; }
  // Runs the event loop until every handler has had its dialog, or a second has passed.
  bool Settle() {
    const bool done = QTest::qWaitFor([this] { return handlers_.empty(); }, 1000);
    QCoreApplication::processEvents();
    return done;
  }

 private:
  std::deque<Handler> handlers_;
  QTimer timer_;
  int handled_ = 0;
};

}  // namespace quarvel::testing
