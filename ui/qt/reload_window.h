#pragma once
// The Reload Game window (Form3): the saved game numbers in an editable combo box.
#include <string>
#include <vector>

#include "ui/qt/form_window.h"

class QComboBox;
class QPushButton;

namespace quarvel::qt {

class ReloadWindow : public FormWindow {
 public:
  ReloadWindow();

  QComboBox* combo() const;           // Combo1
  QPushButton* returnButton() const;  // Command1

  // `refresh` redraws the edit field even when its text did not change, wiping what the
  // player typed there (the window was activated).
  void Draw(const std::vector<std::string>& list, const std::string& text, bool refresh);

 private:
  std::vector<std::string> drawnList_;
  std::string drawnText_;
};

}  // namespace quarvel::qt
