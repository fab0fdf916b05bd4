#pragma once
// What the application needs before any window is built.
class QApplication;

namespace quarvel::qt {

// Maps the layouts' font families to installed metric-compatible ones, fixes the widget
// style so the colours of the layouts show alike everywhere, registers the windows' shared
// palette and the windows' accessible role, and leaves quitting to the main window's close.
void PrepareApplication(QApplication& app);

}  // namespace quarvel::qt
