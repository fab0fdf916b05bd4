#include "ui/qt/qt_dialogs.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "ui/texts.h"
#include "ui/twips.h"

namespace quarvel::qt {
namespace {

// Puts the box's frame at `wanted` where it lies wholly within the available area of
// `screen`, else moves it into that area; a box larger than the area is first shown
// smaller, its fonts scaled. `owner`'s frame stands for the box's, not yet drawn.
void PlaceOnScreen(QDialog& box, const QScreen& screen, QPoint wanted, const QWidget* owner) {
  const QRect area = screen.availableGeometry();
  const QSize frame = owner ? owner->frameGeometry().size() - owner->size() : QSize();
  box.adjustSize();
  for (int attempt = 0; attempt < 3; ++attempt) {
    const QSize outer = box.size() + frame;
    if (outer.width() <= area.width() && outer.height() <= area.height()) break;
    QFont font = box.font();
    font.setPointSizeF(font.pointSizeF() * std::min(static_cast<double>(area.width()) / outer.width(),
                                                    static_cast<double>(area.height()) / outer.height()));
    box.setFont(font);
    box.adjustSize();
  }
  const QSize outer = box.size() + frame;
  const PixelRect kept = KeptWithin({wanted.x(), wanted.y(), outer.width(), outer.height()},
                                    {area.x(), area.y(), area.width(), area.height()});
  box.move(kept.x, kept.y);
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  Owner());
  // A screen reader announces the box by its title and reads the message with it.
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  box.exec();
}

std::optional<std::string> QtDialogs::AskInput(const std::string& title, const std::string& prompt, int leftTwips,
                                               int topTwips) {
  QWidget* owner = Owner();
  QInputDialog dialog(owner);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString());
  dialog.setAccessibleName(dialog.windowTitle());
  dialog.setAccessibleDescription(dialog.labelText());
  if (auto* field = dialog.findChild<QLineEdit*>()) field->setAccessibleName(dialog.labelText());
  // Placed from the screen's top left, not over the owner.
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const double dpi = screen->logicalDotsPerInch();
  PlaceOnScreen(dialog, *screen,
                screen->geometry().topLeft() + QPoint(TwipsToPixels(leftTwips, dpi), TwipsToPixels(topTwips, dpi)),
                owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtDialogs::ShowFailure(const std::string& text) { ShowMessage(Text(TextId::ErrorTitle), text); }

}  // namespace quarvel::qt
