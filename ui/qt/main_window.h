#pragma once
// The main window (Form1) and how it shows the game state.
#include <array>
#include <string>

#include "core/game_state.h"
#include "ui/events.h"
#include "ui/qt/form_window.h"
#include "ui/window_state.h"

class QLineEdit;
class QPushButton;

namespace quarvel::qt {

class MainWindow : public FormWindow {
 public:
  MainWindow();

  QPushButton* tile(int tile) const { return tiles_.at(static_cast<std::size_t>(tile)); }
  // The command button that makes `event`.
  QPushButton* command(EventId event) const;
  QLineEdit* gameNumberBox() const;
  QLineEdit* timeBox() const;

  void Draw(const GameState& state, const MainWindowState& window);

 protected:
  void Rescaled() override;

 private:
  void PlaceTiles();

  std::array<QPushButton*, kTileCount> tiles_{};
  std::array<TwipsRect, kTileCount> tilesAt_{};  // where the last drawn state put each tile
};

}  // namespace quarvel::qt
