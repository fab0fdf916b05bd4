#include "ui/qt/main_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/accessible_names.h"
#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"

namespace quarvel::qt {
namespace {

// Replaces the text only when it differs, so the cursor of a box being typed into stays.
// Quietly: the box's change signal stands for the player's changes alone.
void SetTextKeepingCursor(QLineEdit& box, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (box.text() == value) return;
  const QSignalBlocker quiet(box);
  const int cursor = box.cursorPosition();
  box.setText(value);
  box.setCursorPosition(std::min(cursor, static_cast<int>(value.size())));
}

}  // namespace

MainWindow::MainWindow() : FormWindow(layout::kMainWindowLayout) {
  for (const layout::ControlLayout& control : layout::kMainWindowLayout.controls)
    if (control.name == layout::kTileButtons)
      tiles_.at(static_cast<std::size_t>(control.index)) = controlAs<QPushButton>(layout::ControlName(control));
}

QPushButton* MainWindow::command(EventId event) const {
  return controlAs<QPushButton>(layout::ControlName(*layout::FindButtonOf(layout::kMainWindowLayout, event)));
}
QLineEdit* MainWindow::gameNumberBox() const { return controlAs<QLineEdit>(layout::kGameNumberBox); }
QLineEdit* MainWindow::timeBox() const { return controlAs<QLineEdit>(layout::kClockBox); }

void MainWindow::PlaceTiles() {
  for (std::size_t k = 0; k < tiles_.size(); ++k) {
    const PixelRect place = quarvel::ToPixels(tilesAt_[k], dpi());
    tiles_[k]->setGeometry(place.x, place.y, place.width, place.height);
  }
}

void MainWindow::Rescaled() { PlaceTiles(); }

void MainWindow::Draw(const GameState& state, const MainWindowState& window) {
  for (std::size_t k = 0; k < tiles_.size(); ++k)
    tilesAt_[k] = layout::TileButtonRect(state.board, static_cast<int>(k));
  PlaceTiles();
  for (std::size_t k = 0; k < tiles_.size(); ++k) {
    const QString name = QString::fromStdString(
        TileAccessibleName(static_cast<int>(k), state.board.position.PlaceOf(static_cast<int>(k))));
    if (tiles_[k]->accessibleName() != name) tiles_[k]->setAccessibleName(name);
  }
  SetTextKeepingCursor(*gameNumberBox(), window.gameNumberText);
  SetTextKeepingCursor(*timeBox(), window.clockText);
  // The note on the shortest solution, as tooltip and as accessible description.
  const QString note = QString::fromStdString(window.gameNumberNote);
  QLineEdit* box = gameNumberBox();
  if (box->toolTip() != note) box->setToolTip(note);
  if (box->accessibleDescription() != note) box->setAccessibleDescription(note);

  const EnabledCommands& on = window.enabled;
  for (const CommandButton& button : kCommandButtons) command(button.event)->setEnabled(on.*button.enabled);
}

}  // namespace quarvel::qt
