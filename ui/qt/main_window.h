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
  QPushButton* command(const std::string& name) const;  // "Command2" .. "Command8"
  QPushButton* command(Command command) const;
  QLineEdit* gameNumberBox() const;  // Text1
  QLineEdit* timeBox() const;        // Text3

  void Draw(const GameState& state, const MainWindowState& window);
  // The game number box's tooltip and accessible description.
  void SetGameNumberNote(const std::string& note);

 protected:
  void Rescaled() override;

 private:
  void PlaceTiles();

  std::array<QPushButton*, kTileCount> tiles_{};
  std::array<TwipsPoint, kTileCount> tilesAt_{};  // where the last drawn state put each tile
};

}  // namespace quarvel::qt
