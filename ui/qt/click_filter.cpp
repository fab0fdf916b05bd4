#include "ui/qt/click_filter.h"

#include <QMouseEvent>
#include <QWidget>

namespace quarvel::qt {

ClickFilter::ClickFilter(std::function<void()> onClick) : onClick_(std::move(onClick)) {}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
  const auto* widget = qobject_cast<QWidget*>(parent());  // the widget it is installed on
  if (widget && watched == widget && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) onClick_();
  }
  return false;
}

}  // namespace quarvel::qt
