#pragma once
// Reports a left click (press and release inside the widget) without taking it from the
// widget.
#include <QObject>
#include <functional>

class QWidget;

namespace quarvel::qt {

// Installed with InstallOwnedFilter on the widget whose clicks it reports.
class ClickFilter : public QObject {
 public:
  explicit ClickFilter(std::function<void()> onClick);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace quarvel::qt
