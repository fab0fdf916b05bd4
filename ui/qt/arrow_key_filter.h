#pragma once
// Takes the arrow keys on a window's buttons, its read-only boxes and the window itself
// for keyboard play. Boxes the player types into keep their arrows for the cursor.
#include <QObject>
#include <functional>

#include "core/arrow_keys.h"

class QWidget;

namespace quarvel::qt {

// Installed with InstallOwnedFilter on the window; WatchControls then adds its controls.
class ArrowKeyFilter : public QObject {
 public:
  explicit ArrowKeyFilter(std::function<void(ArrowKey)> onArrow);

  // Sees the buttons and read-only boxes the window holds now.
  void WatchControls(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(ArrowKey)> onArrow_;
};

}  // namespace quarvel::qt
