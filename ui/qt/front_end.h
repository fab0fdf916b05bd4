#pragma once
// The three Qt windows over the program: every click, edit, key, close and timer tick
// becomes one event the program takes, and the windows are then redrawn from its state,
// the box up shown over the window up without blocking.
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/program.h"
#include "ui/qt/hall_of_fame_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_boxes.h"
#include "ui/qt/reload_window.h"

namespace quarvel::qt {

class QtShortestSolutions;
class QtWindowSystem;

class QtFrontEnd {
 public:
  // The window system and the shortest solutions, when given, are tied to these windows.
  QtFrontEnd(Program& program, QtWindowSystem* windowSystem, QtShortestSolutions* shortestSolutions = nullptr);
  ~QtFrontEnd();
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  // Start-up: the program's Load, then the main window centred and shown and the timer
  // started. False when the program cannot start: the box up says why, and the program
  // ends once it is answered.
  bool Start();

  // Runs when the program has ended (its status in Program::exitStatus).
  void SetOnEnded(std::function<void()> onEnded) { onEnded_ = std::move(onEnded); }

  // Runs after every redraw of the started windows.
  void SetOnRedrawn(std::function<void()> onRedrawn) { onRedrawn_ = std::move(onRedrawn); }

  // For tests: every box is answered at once by `answer` instead of being shown.
  void AnswerBoxesWith(std::function<BoxAnswer(const Box&)> answer) { answerBoxes_ = std::move(answer); }

  // Hands one event to the program, then redraws.
  void Forward(const Event& event);
  // Timer1's tick.
  void Tick() { Forward({EventId::Tick}); }

  MainWindow& mainWindow() { return *main_; }
  // The other two windows are built when first needed, which keeps start-up short.
  HallOfFameWindow& hallOfFameWindow();
  ReloadWindow& reloadWindow();
  const QTimer& timer() const { return timer_; }
  // The box shown now, or nullptr.
  QDialog* shownBox() const { return boxes_.shown(); }

 private:
  void Redraw();
  // The box up, shown (or answered at once for tests) after the windows are redrawn.
  void ShowBox();
  void Ended();
  FormWindow& WindowOf(WindowId id);
  void Connect();
  void ConnectHallOfFame();
  void ConnectReload();
  // A key pressed in `control` of the window up: taken when the key table binds it.
  bool PressKey(Key key, bool ctrl, const QObject* control);
  void WatchKeys(FormWindow& window);

  Program& program_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<HallOfFameWindow> hallOfFame_;
  std::unique_ptr<ReloadWindow> reload_;
  QtBoxes boxes_;
  QTimer timer_;
  std::function<void()> onEnded_;
  std::function<void()> onRedrawn_;
  std::function<BoxAnswer(const Box&)> answerBoxes_;
  bool started_ = false;
  bool endReported_ = false;
  // What the last redraw showed, to see windows being loaded or coming up.
  WindowId drawnVisible_ = WindowId::Main;
  bool drawnHallOfFameLoaded_ = false;
  bool drawnReloadLoaded_ = false;
  QtShortestSolutions* shortestSolutions_;
};

}  // namespace quarvel::qt
