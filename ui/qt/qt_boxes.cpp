#include "ui/qt/qt_boxes.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

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

QDialog* MessageBox(const Box& box, QWidget* owner) {
  const bool question = box.kind == BoxKind::Question;
  auto* message =
      new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(box.title), QString::fromStdString(box.text),
                      question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, owner);
  if (question) message->setDefaultButton(QMessageBox::Cancel);
  // A screen reader announces the box by its title and reads the message with it.
  message->setAccessibleName(message->windowTitle());
  message->setAccessibleDescription(message->text());
  return message;
}

QInputDialog* NamePrompt(const Box& box, QWidget* owner) {
  auto* prompt = new QInputDialog(owner);
  prompt->setInputMode(QInputDialog::TextInput);
  prompt->setWindowTitle(QString::fromStdString(box.title));
  prompt->setLabelText(QString::fromStdString(box.text));
  prompt->setTextValue(QString());
  prompt->setAccessibleName(prompt->windowTitle());
  prompt->setAccessibleDescription(prompt->labelText());
  if (auto* field = prompt->findChild<QLineEdit*>()) field->setAccessibleName(prompt->labelText());
  // Placed from the screen's top left, not over the owner.
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const double dpi = screen->logicalDotsPerInch();
  PlaceOnScreen(
      *prompt, *screen,
      screen->geometry().topLeft() + QPoint(TwipsToPixels(box.leftTwips, dpi), TwipsToPixels(box.topTwips, dpi)),
      owner);
  return prompt;
}

}  // namespace

QtBoxes::~QtBoxes() { Dismiss(); }

void QtBoxes::Show(const Box& box, QWidget* owner, OnAnswer onAnswer) {
  if (dialog_ && box.number == shownNumber_) return;
  Dismiss();
  shownNumber_ = box.number;
  QDialog* dialog = box.kind == BoxKind::NamePrompt ? NamePrompt(box, owner) : MessageBox(box, owner);
  // The box is done with before its answer goes on: what follows may show the next one.
  QObject::connect(dialog, &QDialog::finished, dialog, [this, dialog, onAnswer = std::move(onAnswer)](int result) {
    if (dialog_ == dialog) dialog_ = nullptr;
    const auto* prompt = qobject_cast<const QInputDialog*>(dialog);
    const auto* message = qobject_cast<const QMessageBox*>(dialog);
    if (message && message->button(QMessageBox::Cancel))
      onAnswer(message->clickedButton() == message->button(QMessageBox::Ok) ? BoxAnswer(std::string()) : std::nullopt);
    else if (!prompt)
      onAnswer(std::string());
    else if (result == QDialog::Accepted)
      onAnswer(prompt->textValue().toStdString());
    else
      onAnswer(std::nullopt);
  });
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog_ = dialog;
  dialog->open();
}

void QtBoxes::Dismiss() {
  if (!dialog_) return;
  QDialog* dialog = dialog_;
  dialog_ = nullptr;
  QObject::disconnect(dialog, &QDialog::finished, nullptr, nullptr);
  dialog->close();
  delete dialog;
}

}  // namespace quarvel::qt
