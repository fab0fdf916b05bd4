#include "ui/qt/widget_style.h"

#include <QFontDatabase>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace quarvel::qt {
namespace {

// Greyed, yet legible on the light grey faces.
const QColor kDisabledText(128, 128, 128);

// The family when it is installed, else its substitute. Asking Qt for a family the system
// lacks costs a fontconfig fallback query for every style of it, most of start-up.
QString InstalledFamily(const QString& family) {
  static const QStringList installed = QFontDatabase::families();
  return installed.contains(family, Qt::CaseInsensitive) ? family : QFont::substitute(family);
}

}  // namespace

QFont MakeFont(const layout::FontStyle& style, double scale) {
  QFont font(InstalledFamily(QString::fromUtf8(style.family.data(), static_cast<qsizetype>(style.family.size()))));
  font.setPointSizeF(style.points * scale);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

QColor MakeColour(const layout::Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QPalette ColouredPalette(QPalette palette, const layout::Rgb& foreground, const layout::Rgb& background) {
  const QColor back = MakeColour(background);
  const QColor text = MakeColour(foreground);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, back);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, text);
    palette.setColor(QPalette::Inactive, role, text);
    palette.setColor(QPalette::Disabled, role, kDisabledText);
  }
  return palette;
}

void ApplyColours(QWidget& widget, const layout::Rgb& foreground, const layout::Rgb& background) {
  const QPalette palette = ColouredPalette(widget.palette(), foreground, background);
  if (palette != widget.palette()) widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace quarvel::qt
