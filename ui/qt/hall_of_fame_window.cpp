#include "ui/qt/hall_of_fame_window.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "ui/hall_of_fame_listing.h"
#include "ui/hall_of_fame_window_layout.h"

namespace quarvel::qt {

HallOfFameWindow::HallOfFameWindow() : FormWindow(layout::kHallOfFameWindowLayout) {
  // The rows are columns read from the left, whatever script a name is written in; an entry
  // wider than the box stays on its line, with a scroll bar.
  QTextOption option = listingBox()->document()->defaultTextOption();
  option.setTextDirection(Qt::LeftToRight);
  listingBox()->document()->setDefaultTextOption(option);
  listingBox()->setLineWrapMode(QPlainTextEdit::NoWrap);
}

QPlainTextEdit* HallOfFameWindow::listingBox() const { return controlAs<QPlainTextEdit>(layout::kFameListingBox); }
QPushButton* HallOfFameWindow::returnButton() const { return controlAs<QPushButton>(layout::kFameReturnButton); }

void HallOfFameWindow::Draw(const std::vector<FameColumns>& lines) {
  if (lines == drawn_) return;
  drawn_ = lines;
  PlaceColumns();
  // The columns apart by tabs, which also keep a right-to-left name from reordering them.
  QString text;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    for (std::size_t c = 0; c < kFameColumnCount; ++c)
      text += (c > 0 ? QStringLiteral("\t") : QString()) + QString::fromStdString(lines[k][c]);
    text += k == 0 ? QStringLiteral("\n\n") : QStringLiteral("\n");
  }
  listingBox()->setPlainText(text);
}

void HallOfFameWindow::Rescaled() { PlaceColumns(); }

void HallOfFameWindow::PlaceColumns() {
  const QFontMetricsF metrics(listingBox()->font());
  const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
  QList<QTextOption::Tab> stops;
  qreal x = 0;
  for (std::size_t c = 1; c < kFameColumnCount; ++c) {
    qreal widest = 0;
    for (const FameColumns& line : drawn_)
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line[c - 1])));
    x = std::max(static_cast<qreal>(kFameColumnStarts[c]) * blank, x + widest + blank);
    stops.append(QTextOption::Tab(x, QTextOption::LeftTab));
  }
  QTextOption option = listingBox()->document()->defaultTextOption();
  option.setTabs(stops);
  listingBox()->document()->setDefaultTextOption(option);
}

}  // namespace quarvel::qt
