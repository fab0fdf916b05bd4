#pragma once
// The main window (Form1) and how it shows the game state.
#include <array>
#include <string>

#include "core/game_state.h"
#include "ui/main_window_commands.h"
#include "ui/qt/form_window.h"
#include "ui/window_state.h"

class QLineEdit;
class QPushButton;

namespace quarvel::qt {

class MainWindow : public FormWindow {
 public:
  MainWindow();

  QPushButton* tile(int tile) const { return tiles_.at(static_cast<std::size_t>(tile)); }
  QPushButton* command(Command command) const;
  QLineEdit* gameNumberBox() const;
  QLineEdit* timeBox() const;

  void Draw(const GameState& state, const MainWindowState& window);

 private:
  std::array<QPushButton*, kTileCount> tiles_{};
};

}  // namespace quarvel::qt
