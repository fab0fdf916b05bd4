#include "ui/qt/outline_shape.h"

#include <QPainter>

namespace quarvel::qt {

OutlineShape::OutlineShape(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(colour_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quarvel::qt
