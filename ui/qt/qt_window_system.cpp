#include "ui/qt/qt_window_system.h"

#include <QCursor>
#include <QGuiApplication>

namespace quarvel::qt {

QtWindowSystem::~QtWindowSystem() { SetPointer(PointerShape::Default); }

void QtWindowSystem::SetPointer(PointerShape shape) {
  const bool wait = shape == PointerShape::Hourglass;
  if (wait == waiting_) return;
  waiting_ = wait;
  if (wait)
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QGuiApplication::restoreOverrideCursor();
}

void QtWindowSystem::FocusTile(int tile) {
  if (focusHook_) focusHook_(tile);
}

}  // namespace quarvel::qt
