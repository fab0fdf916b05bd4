#pragma once
// A read-only account of the windows as drawn, for tests that drive the real program
// from outside (tests/real_window). The program writes it only when QUARVEL_WINDOW_REPORT
// names a file; it changes nothing in the game.
#include <QString>

namespace quarvel::qt {

class QtFrontEnd;

// Rewrites `path` (through a scratch file, so a reader never sees half of it) with one
// tab-separated line per window and per control:
//   scale   RATIO                                   device pixels per logical pixel
//   window  NAME  SHOWN  X  Y  WIDTH  HEIGHT         client area, logical screen pixels
//   control WINDOW  NAME  SHOWN  ENABLED  X  Y  WIDTH  HEIGHT  ACCESSIBLE-NAME  TEXT
void WriteWindowReport(QtFrontEnd& frontEnd, const QString& path);

}  // namespace quarvel::qt
