#pragma once
// Takes the arrow keys on a window's buttons, its read-only boxes and the window itself
// for keyboard play. Boxes the player types into keep their arrows for the cursor.
#include <QObject>
#include <functional>

#include "core/arrow_keys.h"

class QWidget;

namespace quarvel::qt {

class ArrowKeyFilter : public QObject {
 public:
  // Owned by `window`; sees the controls the window holds when it is made.
  ArrowKeyFilter(QWidget& window, std::function<void(ArrowKey)> onArrow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(ArrowKey)> onArrow_;
};

}  // namespace quarvel::qt
