#include "ui/qt/arrow_key_filter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace quarvel::qt {

ArrowKeyFilter::ArrowKeyFilter(std::function<void(ArrowKey)> onArrow) : onArrow_(std::move(onArrow)) {}

void ArrowKeyFilter::WatchControls(QWidget& window) {
  // Buttons would otherwise use the arrows to move the focus, and boxes that only show
  // text (the clock) to move a cursor nobody needs.
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) button->installEventFilter(this);
  for (QLineEdit* box : window.findChildren<QLineEdit*>())
    if (box->isReadOnly()) box->installEventFilter(this);
}

bool ArrowKeyFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  switch (key->key()) {
    case Qt::Key_Up: onArrow_(ArrowKey::Up); return true;
    case Qt::Key_Down: onArrow_(ArrowKey::Down); return true;
    case Qt::Key_Left: onArrow_(ArrowKey::Left); return true;
    case Qt::Key_Right: onArrow_(ArrowKey::Right); return true;
    default: return false;
  }
}

}  // namespace quarvel::qt
