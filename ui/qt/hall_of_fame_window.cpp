#include "ui/qt/hall_of_fame_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

#include "ui/hall_of_fame_window_layout.h"

namespace quarvel::qt {

HallOfFameWindow::HallOfFameWindow() : FormWindow(layout::kHallOfFameWindowLayout) {
  // The rows are columns read from the left, whatever script a name is written in.
  QTextOption option = listingBox()->document()->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  listingBox()->document()->setDefaultTextOption(option);
}

QPlainTextEdit* HallOfFameWindow::listingBox() const { return controlAs<QPlainTextEdit>(layout::kFameListingBox); }
QPushButton* HallOfFameWindow::returnButton() const { return controlAs<QPushButton>(layout::kFameReturnButton); }

void HallOfFameWindow::Draw(const std::string& listing) {
  if (listing == drawn_) return;
  drawn_ = listing;
  QString text = QString::fromStdString(listing);
  text.remove(QLatin1Char('\r'));
  listingBox()->setPlainText(text);
}

}  // namespace quarvel::qt
