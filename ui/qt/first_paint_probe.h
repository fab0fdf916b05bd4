#pragma once
// Benchmark-only: measuring how long the program takes to come up. When the environment
// variable QUARVEL_FIRST_PAINT_FD names an open file descriptor, the window's first paint
// writes the line "painted" to it and the application then quits; the launcher takes the
// time and the peak memory. Without the variable nothing changes.
class QWidget;

namespace quarvel::qt {

inline constexpr const char* kFirstPaintFdVariable = "QUARVEL_FIRST_PAINT_FD";

void ReportFirstPaint(QWidget& window);

}  // namespace quarvel::qt
