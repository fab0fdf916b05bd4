#pragma once
// Drives the real program in a real X window from outside, as a player would: the mouse
// and keyboard through xdotool, the screen through ImageMagick's import, and the
// program's read-only window report (QUARVEL_WINDOW_REPORT) for what pixels cannot say.
#include <sys/types.h>

#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/twips.h"

namespace quarvel::desktop {

// The output of a shell command; `status` gets its exit status.
std::string Shell(const std::string& command, int* status = nullptr);

// Waits, polling, until `done` holds; false when it never did within a generous limit.
bool WaitUntil(const std::function<bool()>& done);

struct ControlReport {
  bool shown = false;
  bool enabled = false;
  QRect place;  // logical screen pixels
  std::string accessibleName;
  std::string text;
};

struct WindowReport {
  bool shown = false;
  QRect client;  // logical screen pixels
  std::map<std::string, ControlReport, std::less<>> controls;
};

struct Report {
  double scale = 0;
  std::map<std::string, WindowReport, std::less<>> windows;  // by "Form1", "Form2", "Form3"
  bool Shown(const std::string& window) const;
  const ControlReport& Control(std::string_view window, std::string_view name) const;
};

// Cells 1..16 in reading order: the tile on each, 0 for the empty cell, -1 unknown.
using BoardCells = std::array<int, 16>;
BoardCells CellsFromRows(const std::string& rows);  // "9 1 10 3 / ... / 15 4 8 0"
std::string RowsOf(const BoardCells& cells);

class RunningProgram {
 public:
  // Starts `program` in `folder` with the extra environment given.
  RunningProgram(const std::string& program, const std::string& folder,
                 const std::vector<std::pair<std::string, std::string>>& environment);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Running();
  Report ReadReport() const;
  // Waits for a report that satisfies `done`; the last one read is left in `last`.
  bool WaitForReport(const std::function<bool(const Report&)>& done, Report* last = nullptr) const;

 private:
  pid_t pid_ = -1;
  std::string reportPath_;
};

// The X window of that title, as the X server places it (device pixels).
struct XWindow {
  std::string id;
  QRect place;
};
std::vector<XWindow> VisibleWindows(const std::string& title);

// The whole screen as it is now.
QImage GrabScreen();

void ClickAt(QPoint devicePixel);
void PressKeys(const std::string& keys);  // xdotool key names, e.g. "Up" or "shift+Tab"
void TypeText(const std::string& text);   // typed as it stands

// A framed control's outline found on the screen: scanned from a line just inside the
// control outwards until the colour changes sharply. `expected` is where the outline
// should be; the scan starts from its middle.
QRect MeasureFrame(const QImage& screen, const QRect& expected, int scale);

// Reads which tile stands on each cell from a picture of the window: each cell's caption
// pixels are matched against the captions of `reference`, a picture of the solved board.
class BoardReader {
 public:
  BoardReader(const QImage& reference, QPoint windowOrigin, int scale);
  BoardCells Read(const QImage& screen) const;
  QRect CellRect(int cell) const;  // device pixels on the screen

 private:
  std::vector<bool> CaptionMask(const QImage& screen, int cell) const;
  QPoint origin_;
  int scale_;
  std::array<std::vector<bool>, 16> captions_;  // by tile; [0] unused
};

}  // namespace quarvel::desktop
