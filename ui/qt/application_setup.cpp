#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

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

std::string LocaleFolder() {
  const QString program = QCoreApplication::applicationDirPath();
  if (QDir(program) == QDir(QStringLiteral(QUARVEL_BUILD_PROGRAM_DIR))) return QUARVEL_LOCALE_BUILD_DIR;
  return QDir::cleanPath(program + QStringLiteral("/" QUARVEL_LOCALE_FROM_PROGRAM)).toStdString();
}

void UseQtTranslations(QApplication& app) {
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTexts);
}

}  // namespace quarvel::qt
