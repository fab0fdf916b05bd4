// quarvel-orbix: the game in its three windows. It keeps its files in the working folder.
#include <QApplication>
#include <QIcon>
#include <string_view>

#include "game/shuffled_random.h"
#include "platform/directory_file_store.h"
#include "platform/gettext_translator.h"
#include "platform/system_clock.h"
#include "ui/program.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/first_paint.h"
#include "ui/qt/front_end.h"
#include "ui/qt/qt_shortest_solutions.h"
#include "ui/qt/qt_window_system.h"
#include "ui/qt/window_report.h"
#include "ui/texts.h"

// The languages the build compiled catalogues for (po/LINGUAS).
constexpr std::string_view kShippedLanguages[] = {QUARVEL_SHIPPED_LANGUAGES};

int main(int argc, char* argv[]) {
  // The system's locale: the language of the texts, and the month names in the Hall of Fame
  // dates. The record files' numbers are written without the locale (std::to_chars).
  quarvel::UseEnvironmentLocale();
  QApplication app(argc, argv);
  quarvel::qt::PrepareApplication(app);
  quarvel::GettextTranslator translator(quarvel::qt::LocaleFolder(), kShippedLanguages);
  if (translator.Translating()) {
    quarvel::UseTranslator(&translator);
    quarvel::qt::UseQtTranslations(app);
  }
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quarvel.orbix"));

  quarvel::SystemClock clock;
  quarvel::SystemGenerator generator;
  quarvel::ShuffledRandomSource random(generator);
  quarvel::DirectoryFileStore files(".");
  quarvel::Boxes boxes;
  quarvel::qt::QtWindowSystem windowSystem;
  quarvel::qt::QtShortestSolutions shortestSolutions;
  quarvel::Program program(quarvel::Services{clock, boxes, windowSystem, files, random, shortestSolutions});

  quarvel::qt::QtFrontEnd frontEnd(program, &windowSystem, &shortestSolutions);
  frontEnd.SetOnEnded([&program] { QCoreApplication::exit(program.exitStatus()); });
  // For tests that drive the program from outside: an account of the windows after each
  // redraw (ui/qt/window_report.h).
  const QString report = qEnvironmentVariable("QUARVEL_WINDOW_REPORT");
  const auto writeReport = [&frontEnd, &report] { quarvel::qt::WriteWindowReport(frontEnd, report); };
  if (!report.isEmpty()) frontEnd.SetOnRedrawn(writeReport);
  // A start-up that fails shows why; the program ends, with status 1, once that is read.
  if (frontEnd.Start() && !report.isEmpty()) writeReport();  // once more with the main window centred
  // The icon themes are searched once the main window is on the screen: reading their
  // indexes takes about as long as building the window.
  quarvel::qt::AfterFirstPaint(frontEnd.mainWindow(), [] {
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quarvel.orbix")));
  });
  quarvel::qt::ReportFirstPaint(frontEnd.mainWindow());  // set last, so it runs first
  return QApplication::exec();
}
