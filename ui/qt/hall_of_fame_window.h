#pragma once
// The Hall of Fame window (Form2): the listing in a read-only box.
#include <string>

#include "ui/qt/form_window.h"

class QPlainTextEdit;
class QPushButton;

namespace quarvel::qt {

class HallOfFameWindow : public FormWindow {
 public:
  HallOfFameWindow();

  QPlainTextEdit* listingBox() const;
  QPushButton* returnButton() const;  // Command1

  // The listing's lines end in CR LF.
  void Draw(const std::string& listing);

 private:
  std::string drawn_;
};

}  // namespace quarvel::qt
