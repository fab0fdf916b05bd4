#pragma once
// Reports a left click (press and release inside the widget) without taking it from the
// widget.
#include <QObject>
#include <functional>

class QWidget;

namespace quarvel::qt {

class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget& widget, std::function<void()> onClick);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& widget_;
  std::function<void()> onClick_;
};

}  // namespace quarvel::qt
