#pragma once
// Work that waits until a window is on the screen.
#include <functional>

class QWidget;

namespace quarvel::qt {

// Runs `action` once, when the window's first paint (its controls and the flush to the
// screen included) is done. Actions queued at the same paint run in the reverse order of
// these calls.
void AfterFirstPaint(QWidget& window, std::function<void()> action);

// Benchmark-only: measuring how long the program takes to come up. When the environment
// variable QUARVEL_FIRST_PAINT_FD names an open file descriptor, the window's first paint
// writes the line "painted" to it and the application then quits; the launcher takes the
// time and the peak memory. Without the variable nothing changes.
inline constexpr const char* kFirstPaintFdVariable = "QUARVEL_FIRST_PAINT_FD";
void ReportFirstPaint(QWidget& window);

}  // namespace quarvel::qt
