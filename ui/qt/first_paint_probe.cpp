#include "ui/qt/first_paint_probe.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace quarvel::qt {
namespace {

class FirstPaintProbe : public QObject {
 public:
  FirstPaintProbe(QWidget& window, int fd) : QObject(&window), fd_(fd) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // Queued, so the line goes out once this paint pass, children and flush included, is done.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [fd = fd_] {
          static constexpr char kLine[] = "painted\n";
          [[maybe_unused]] const ssize_t written = ::write(fd, kLine, sizeof kLine - 1);
          ::close(fd);
          QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
    return false;
  }

 private:
  int fd_;
};

}  // namespace

void ReportFirstPaint(QWidget& window) {
  const char* value = std::getenv(kFirstPaintFdVariable);
  if (!value || !*value) return;
  char* end = nullptr;
  const long fd = std::strtol(value, &end, 10);
  if (*end != '\0' || fd < 0 || fd > 65535) return;
  new FirstPaintProbe(window, static_cast<int>(fd));
}

}  // namespace quarvel::qt
