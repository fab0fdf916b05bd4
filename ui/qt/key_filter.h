#pragma once
// Hands a window's keys to the key table (ui/key_table.h): a key it binds is taken from the
// control with the focus, every other key stays that control's own.
#include <QObject>
#include <functional>

#include "ui/key_table.h"

class QWidget;

namespace quarvel::qt {

// Installed with InstallOwnedFilter on the window; WatchControls then adds its controls.
class KeyFilter : public QObject {
 public:
  // `onKey` gets the key and the control it was pressed in (the window itself when it
  // reached the window); it returns whether it took it.
  using OnKey = std::function<bool(Key key, bool ctrl, const QObject* control)>;
  explicit KeyFilter(OnKey onKey);

  // Sees every control the window holds now.
  void WatchControls(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  OnKey onKey_;
};

}  // namespace quarvel::qt
