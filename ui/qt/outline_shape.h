#pragma once
// A rectangle outline drawn on its window beneath the other controls; it takes no input.
#include <QColor>
#include <QWidget>

namespace quarvel::qt {

class OutlineShape : public QWidget {
 public:
  OutlineShape(QColor colour, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace quarvel::qt
