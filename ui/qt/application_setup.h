#pragma once
// What the application needs before any window is built.
#include <string>

class QApplication;

namespace quarvel::qt {

// Maps the layouts' font families to installed metric-compatible ones, fixes the widget
// style so the colours of the layouts show alike everywhere, registers the windows' shared
// palette and the windows' accessible role, and leaves quitting to the main window's close.
void PrepareApplication(QApplication& app);

// Where the compiled translations are: the build tree's for the program built there,
// else share/locale beside the installed program.
std::string LocaleFolder();

// Qt's own texts (the boxes' buttons) in the system locale's language, from Qt's
// translations: only while the game's own texts are translated, so that a missing or
// damaged catalogue leaves the whole game in English.
void UseQtTranslations(QApplication& app);

}  // namespace quarvel::qt
