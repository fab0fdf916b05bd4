#pragma once
// The Reload Game window (Form3): the saved game numbers in an editable combo box.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/qt/form_window.h"

class QComboBox;
class QPushButton;
class QStringListModel;

namespace quarvel::qt {

class ReloadWindow : public FormWindow {
 public:
  ReloadWindow();

  QComboBox* combo() const;
  QPushButton* returnButton() const;  // Command1

  // The list is drawn again only when its version differs from the one shown. `refresh`
  // redraws the edit field even when its text did not change, wiping what the player typed
  // there (the window was activated).
  void Draw(const std::vector<std::string>& list, std::uint64_t listVersion, const std::string& text, bool refresh);

 private:
  QStringListModel* items_;
  std::uint64_t drawnVersion_ = 0;
  std::string drawnText_;
};

}  // namespace quarvel::qt
