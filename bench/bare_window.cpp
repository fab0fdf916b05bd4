// The yardstick for start-up: a plain Qt Widgets window of the main window's size with
// the same number and kinds of controls in the same places, and nothing else (default
// style, fonts and colours; no game, no files, no other windows). It signals its first
// paint the same way quarvel-orbix does.
//   quarvel_bare_window [--game-fonts]
// --game-fonts gives the window and its controls the game's fonts, to tell how much of
// the game's start-up is the cost of its fonts.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cstring>

#include "ui/accessible_names.h"
#include "ui/main_window_layout.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/first_paint.h"
#include "ui/qt/widget_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool gameFonts = argc > 1 && std::strcmp(argv[1], "--game-fonts") == 0;
  if (gameFonts) quarvel::qt::PrepareApplication(app);  // the font substitutes
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  const double dpi = window.screen()->logicalDotsPerInch();
  const quarvel::layout::WindowLayout& form = quarvel::layout::kMainWindowLayout;
  const quarvel::PixelRect client = quarvel::ToPixels({0, 0, form.clientWidth, form.clientHeight}, dpi);
  window.setFixedSize(client.width, client.height);
  if (gameFonts) window.setFont(quarvel::qt::MakeFont(form.font));

  for (const quarvel::layout::ControlLayout& control : form.controls) {
    const QString caption = QString::fromStdString(quarvel::CaptionOf(control));
    QWidget* widget = nullptr;
    switch (control.kind) {
      case quarvel::layout::ControlKind::Label: widget = new QLabel(caption, &window); break;
      case quarvel::layout::ControlKind::TextBox:
      case quarvel::layout::ControlKind::ReadOnlyBox: widget = new QLineEdit(caption, &window); break;
      case quarvel::layout::ControlKind::Button: widget = new QPushButton(caption, &window); break;
      case quarvel::layout::ControlKind::Rectangle: widget = new QWidget(&window); break;
      case quarvel::layout::ControlKind::ComboBox: break;  // none on the main window
    }
    if (!widget) continue;
    const quarvel::PixelRect place = quarvel::ToPixels(control.rect, dpi);
    widget->setGeometry(place.x, place.y, place.width, place.height);
    if (gameFonts) widget->setFont(quarvel::qt::MakeFont(control.font));
    widget->setVisible(control.visible);
  }

  window.show();
  quarvel::qt::ReportFirstPaint(window);
  return QApplication::exec();
}
