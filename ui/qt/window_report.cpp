#include "ui/qt/window_report.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextStream>

#include "ui/qt/front_end.h"

namespace quarvel::qt {
namespace {

QString TextOf(const QWidget& widget) {
  QString text;
  if (const auto* box = qobject_cast<const QLineEdit*>(&widget))
    text = box->text();
  else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
    text = button->text();
  else if (const auto* label = qobject_cast<const QLabel*>(&widget))
    text = label->text();
  else if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
    text = combo->currentText();
  else if (const auto* listing = qobject_cast<const QPlainTextEdit*>(&widget))
    text = listing->toPlainText();
  // One line per control.
  return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"))
      .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

void Report(QTextStream& out, const FormWindow& window) {
  const QString name = window.objectName();
  const QPoint origin = window.mapToGlobal(QPoint(0, 0));
  out << "window\t" << name << '\t' << int(window.isVisible()) << '\t' << origin.x() << '\t' << origin.y() << '\t'
      << window.width() << '\t' << window.height() << '\n';
  for (const QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QPoint at = control->mapToGlobal(QPoint(0, 0));
    out << "control\t" << name << '\t' << control->objectName() << '\t' << int(control->isVisible()) << '\t'
        << int(control->isEnabled()) << '\t' << at.x() << '\t' << at.y() << '\t' << control->width() << '\t'
        << control->height() << '\t' << control->accessibleName() << '\t' << TextOf(*control) << '\n';
  }
}

}  // namespace

void WriteWindowReport(QtFrontEnd& frontEnd, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  QTextStream out(&file);
  out << "scale\t" << frontEnd.mainWindow().devicePixelRatioF() << '\n';
  Report(out, frontEnd.mainWindow());
  Report(out, frontEnd.hallOfFameWindow());
  Report(out, frontEnd.reloadWindow());
  out.flush();
  file.commit();
}

}  // namespace quarvel::qt
