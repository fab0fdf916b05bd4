#pragma once
// The three Qt windows over the program: every click, edit, close and timer tick becomes
// one call of the program's handlers, and the windows are then redrawn from its state.
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "ui/program.h"
#include "ui/qt/hall_of_fame_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/reload_window.h"

namespace quarvel::qt {

class QtDialogs;
class QtShortestSolutions;
class QtWindowSystem;

class QtFrontEnd {
 public:
  // The dialogs, the window system and the shortest solutions, when given, are tied to
  // these windows.
  QtFrontEnd(Program& program, QtDialogs* dialogs, QtWindowSystem* windowSystem,
             QtShortestSolutions* shortestSolutions = nullptr);
  ~QtFrontEnd();
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  // Start-up: the program's Load, then the main window centred and shown and the timer
  // started. False when the program cannot start (it has told the player why).
  bool Start();

  // Runs when the main window has been closed; the application should end.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

  // Runs after every redraw of the started windows.
  void SetOnRedrawn(std::function<void()> onRedrawn) { onRedrawn_ = std::move(onRedrawn); }

  // Timer1's tick.
  void Tick();

  // Brings the windows in line with the state; returns the window that is up (nullptr
  // before start-up), the owner of a modal box about to be shown.
  QWidget* PrepareModal();

  MainWindow& mainWindow() { return *main_; }
  // The other two windows are built when first needed, which keeps start-up short.
  HallOfFameWindow& hallOfFameWindow();
  ReloadWindow& reloadWindow();
  const QTimer& timer() const { return timer_; }

 private:
  // Runs one event handler, then redraws. Events that arrive while a handler holds a
  // modal box are dropped: handlers never interleave.
  void Forward(const std::function<void()>& event);
  void Redraw();
  FormWindow& WindowOf(WindowId id);
  void CloseMainWindow();
  void Connect();
  void ConnectHallOfFame();
  void ConnectReload();
  // A shortest solution's length: handed to the program at once, or after the handler
  // under way when one is (handlers never interleave).
  void ShortestLengthFound(std::uint64_t game, int length);

  Program& program_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<HallOfFameWindow> hallOfFame_;
  std::unique_ptr<ReloadWindow> reload_;
  QTimer timer_;
  std::function<void()> onClosed_;
  std::function<void()> onRedrawn_;
  bool started_ = false;
  bool busy_ = false;
  // What the last redraw showed, to see windows being loaded or coming up.
  WindowId drawnVisible_ = WindowId::Main;
  bool drawnHallOfFameLoaded_ = false;
  bool drawnReloadLoaded_ = false;
  QtShortestSolutions* shortestSolutions_;
  std::optional<std::pair<std::uint64_t, int>> lengthFoundMeanwhile_;
};

}  // namespace quarvel::qt
