#include "ui/qt/key_filter.h"

#include <QKeyEvent>
#include <QWidget>
#include <optional>

namespace quarvel::qt {
namespace {

std::optional<Key> KeyOf(int key) {
  switch (key) {
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_N: return Key::N;
    case Qt::Key_Q: return Key::Q;
    default: return std::nullopt;
  }
}

}  // namespace

KeyFilter::KeyFilter(OnKey onKey) : onKey_(std::move(onKey)) {}

void KeyFilter::WatchControls(QWidget& window) {
  for (QWidget* control : window.findChildren<QWidget*>()) control->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* press = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier) return false;
  const auto key = KeyOf(press->key());
  return key && onKey_(*key, modifiers == Qt::ControlModifier, watched);
}

}  // namespace quarvel::qt
