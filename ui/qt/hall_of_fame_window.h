#pragma once
// The Hall of Fame window (Form2): the listing in a read-only box.
#include <vector>

#include "ui/qt/form_window.h"
#include "ui/window_state.h"

class QPlainTextEdit;
class QPushButton;

namespace quarvel::qt {

class HallOfFameWindow : public FormWindow {
 public:
  HallOfFameWindow();

  QPlainTextEdit* listingBox() const;
  QPushButton* returnButton() const;  // Command1

  // The headings, an empty line, then one line per entry; each column starts at one x on
  // every line, whatever the widths of the letters before it.
  void Draw(const std::vector<FameColumns>& lines);

 protected:
  void Rescaled() override;

 private:
  // Stops the columns where the fixed-width listing puts them, or further right where a
  // field of the column before is wider than its column there.
  void PlaceColumns();

  std::vector<FameColumns> drawn_;
};

}  // namespace quarvel::qt
