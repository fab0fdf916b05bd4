#include "ui/qt/first_paint.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>
#include <utility>

#include "ui/qt/event_filter.h"

namespace quarvel::qt {
namespace {

class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(std::function<void()> action) : action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // Queued, so it runs once this paint pass, controls and flush included, is done.
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(action_), Qt::QueuedConnection);
    deleteLater();
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> action) {
  InstallOwnedFilter<FirstPaintWatch>(window, std::move(action));
}

void ReportFirstPaint(QWidget& window) {
  const char* value = std::getenv(kFirstPaintFdVariable);
  if (!value || !*value) return;
  char* end = nullptr;
  const long fd = std::strtol(value, &end, 10);
  if (*end != '\0' || fd < 0 || fd > 65535) return;
  AfterFirstPaint(window, [fd = static_cast<int>(fd)] {
    static constexpr char kLine[] = "painted\n";
    [[maybe_unused]] const ssize_t written = ::write(fd, kLine, sizeof kLine - 1);
    ::close(fd);
    QCoreApplication::exit(0);
  });
}

}  // namespace quarvel::qt
