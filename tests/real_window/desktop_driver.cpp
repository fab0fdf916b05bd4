#include "real_window/desktop_driver.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "ui/main_window_layout.h"

namespace quarvel::desktop {

std::string Shell(const std::string& command, int* status) {
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string output;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int result = ::pclose(pipe);
  if (status) *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return output;
}

bool WaitUntil(const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return done();
}

bool Report::Shown(const std::string& window) const {
  const auto found = windows.find(window);
  return found != windows.end() && found->second.shown;
}

const ControlReport& Report::Control(std::string_view window, std::string_view name) const {
  static const ControlReport kMissing;
  const auto w = windows.find(window);
  if (w == windows.end()) return kMissing;
  const auto c = w->second.controls.find(name);
  return c == w->second.controls.end() ? kMissing : c->second;
}

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

QRect RectOf(const std::vector<std::string>& f, std::size_t first) {
  return {std::stoi(f[first]), std::stoi(f[first + 1]), std::stoi(f[first + 2]), std::stoi(f[first + 3])};
}

bool Differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > 40 || std::abs(qGreen(a) - qGreen(b)) > 40 || std::abs(qBlue(a) - qBlue(b)) > 40;
}

}  // namespace

BoardCells CellsFromRows(const std::string& rows) {
  BoardCells cells{};
  std::istringstream in(rows);
  std::string word;
  std::size_t cell = 0;
  while (in >> word)
    if (word != "/" && cell < cells.size()) cells[cell++] = std::stoi(word);
  return cells;
}

std::string RowsOf(const BoardCells& cells) {
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += i % 4 == 0 ? " / " : " ";
    text += std::to_string(cells[i]);
  }
  return text;
}

RunningProgram::RunningProgram(const std::string& program, const std::string& folder,
                               const std::vector<std::pair<std::string, std::string>>& environment)
    : reportPath_(folder + "/report.txt") {
  pid_ = ::fork();
  if (pid_ == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    const int log = ::open("program.log", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) {
      ::dup2(log, 1);
      ::dup2(log, 2);
    }
    ::setenv("QUARVEL_WINDOW_REPORT", reportPath_.c_str(), 1);
    for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
}

RunningProgram::~RunningProgram() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

bool RunningProgram::Running() { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }

Report RunningProgram::ReadReport() const {
  Report report;
  std::ifstream in(reportPath_);
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = SplitTabs(line);
    if (f[0] == "scale" && f.size() == 2) {
      report.scale = std::stod(f[1]);
    } else if (f[0] == "window" && f.size() == 7) {
      WindowReport& window = report.windows[f[1]];
      window.shown = f[2] == "1";
      window.client = RectOf(f, 3);
    } else if (f[0] == "control" && f.size() == 11) {
      report.windows[f[1]].controls[f[2]] = {f[3] == "1", f[4] == "1", RectOf(f, 5), f[9], f[10]};
    }
  }
  return report;
}

bool RunningProgram::WaitForReport(const std::function<bool(const Report&)>& done, Report* last) const {
  Report report;
  const bool ok = WaitUntil([&] {
    report = ReadReport();
    return report.scale > 0 && done(report);
  });
  if (last) *last = report;
  return ok;
}

std::vector<XWindow> VisibleWindows(const std::string& title) {
  std::vector<XWindow> windows;
  std::istringstream ids(Shell("xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null"));
  std::string id;
  while (ids >> id) {
    std::istringstream shell(Shell("xdotool getwindowgeometry --shell " + id));
    std::map<std::string, int> values;
    std::string line;
    while (std::getline(shell, line))
      if (const auto eq = line.find('='); eq != std::string::npos)
        values[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
    windows.push_back({id, QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"])});
  }
  return windows;
}

QImage GrabScreen() {
  char path[] = "/tmp/quarvel-screen-XXXXXX.png";
  const int fd = ::mkstemps(path, 4);
  if (fd < 0) return {};
  ::close(fd);
  int status = 0;
  Shell(std::string("import -window root png:") + path + " 2>/dev/null", &status);
  QImage image;
  if (status == 0) image.load(QString::fromLocal8Bit(path), "PNG");
  ::unlink(path);
  return image.convertToFormat(QImage::Format_RGB32);
}

void ClickAt(QPoint at) {
  Shell("xdotool mousemove --sync " + std::to_string(at.x()) + " " + std::to_string(at.y()) + " click 1");
}

void PressKeys(const std::string& keys) { Shell("xdotool key --delay 50 " + keys); }

void TypeText(const std::string& text) { Shell("xdotool type --delay 30 '" + text + "'"); }

QRect MeasureFrame(const QImage& screen, const QRect& expected, int scale) {
  const int reach = 4 * scale;
  const auto scan = [&](QPoint from, QPoint step) {
    const QRgb base = screen.pixel(from);
    QPoint at = from;
    for (int i = 0; i < expected.width() + expected.height() + reach; ++i) {
      at += step;
      if (!screen.rect().contains(at)) break;
      if (Differs(screen.pixel(at), base)) return at;
    }
    return QPoint(-1, -1);
  };
  // Across, just below the top outline; down, just inside the right outline: clear of
  // the captions.
  const QPoint across(expected.center().x(), expected.top() + 3 * scale);
  const QPoint down(expected.right() - 3 * scale, expected.center().y());
  const int left = scan(across, {-1, 0}).x();
  const int right = scan(across, {1, 0}).x();
  const int top = scan(down, {0, -1}).y();
  const int bottom = scan(down, {0, 1}).y();
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

BoardReader::BoardReader(const QImage& reference, QPoint windowOrigin, int scale)
    : origin_(windowOrigin), scale_(scale) {
  for (int tile = 1; tile <= 15; ++tile) captions_[static_cast<std::size_t>(tile)] = CaptionMask(reference, tile);
}

QRect BoardReader::CellRect(int cell) const {
  const PixelRect at = ToPixels(layout::CellRect(cell - 1), 96);
  return {origin_.x() + at.x * scale_, origin_.y() + at.y * scale_, at.width * scale_, at.height * scale_};
}

std::vector<bool> BoardReader::CaptionMask(const QImage& screen, int cell) const {
  const int inset = 8 * scale_;
  const QRect inner = CellRect(cell).adjusted(inset, inset, -inset, -inset);
  std::vector<bool> mask;
  for (int y = inner.top(); y <= inner.bottom(); ++y)
    for (int x = inner.left(); x <= inner.right(); ++x)
      mask.push_back(screen.valid(x, y) && qGray(screen.pixel(x, y)) < 96);
  return mask;
}

BoardCells BoardReader::Read(const QImage& screen) const {
  BoardCells cells{};
  for (int cell = 1; cell <= 16; ++cell) {
    const std::vector<bool> mask = CaptionMask(screen, cell);
    const auto dark = std::count(mask.begin(), mask.end(), true);
    int& found = cells[static_cast<std::size_t>(cell - 1)];
    if (dark == 0) {
      found = 0;
      continue;
    }
    found = -1;
    long best = -1;
    for (int tile = 1; tile <= 15; ++tile) {
      const std::vector<bool>& caption = captions_[static_cast<std::size_t>(tile)];
      long distance = 0;
      for (std::size_t i = 0; i < mask.size(); ++i) distance += mask[i] != caption[i];
      if (best < 0 || distance < best) {
        best = distance;
        found = tile;
      }
    }
    // A caption that matches none closely is unknown.
    if (best * 5 > dark) found = -1;
  }
  return cells;
}

}  // namespace quarvel::desktop
