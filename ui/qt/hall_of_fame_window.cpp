#include "ui/qt/hall_of_fame_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/hall_of_fame_window_layout.h"

namespace quarvel::qt {

HallOfFameWindow::HallOfFameWindow() : FormWindow(layout::kHallOfFameWindowLayout) {}

QPlainTextEdit* HallOfFameWindow::listingBox() const { return controlAs<QPlainTextEdit>("Text1"); }
QPushButton* HallOfFameWindow::returnButton() const { return controlAs<QPushButton>("Command1"); }

void HallOfFameWindow::Draw(const std::string& listing) {
  if (listing == drawn_) return;
  drawn_ = listing;
  QString text = QString::fromStdString(listing);
  text.remove(QLatin1Char('\r'));
  listingBox()->setPlainText(text);
}

}  // namespace quarvel::qt
