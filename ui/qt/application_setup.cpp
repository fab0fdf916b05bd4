#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "ui/qt/form_window.h"

namespace quarvel::qt {

void PrepareApplication(QApplication& app) {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  FormWindow::RegisterPalette();  // after the style, whose palette it starts from
  FormWindow::RegisterAccessibility();
  app.setQuitOnLastWindowClosed(false);
}

}  // namespace quarvel::qt
