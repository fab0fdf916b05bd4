#include "ui/qt/click_filter.h"

#include <QMouseEvent>
#include <QWidget>

namespace quarvel::qt {

ClickFilter::ClickFilter(QWidget& widget, std::function<void()> onClick)
    : QObject(&widget), widget_(widget), onClick_(std::move(onClick)) {
  widget.installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &widget_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && widget_.rect().contains(mouse->position().toPoint())) onClick_();
  }
  return false;
}

}  // namespace quarvel::qt
