#include "ui/qt/qt_dialogs.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

#include "ui/texts.h"
#include "ui/twips.h"

namespace quarvel::qt {

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
  dialog.move(screen->geometry().topLeft() + QPoint(TwipsToPixels(leftTwips, dpi), TwipsToPixels(topTwips, dpi)));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtDialogs::ShowFailure(const std::string& text) { ShowMessage(Text(TextId::ErrorTitle), text); }

}  // namespace quarvel::qt
