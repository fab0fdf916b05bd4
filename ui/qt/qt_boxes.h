#pragma once
// The program's boxes as Qt dialogs, shown with open() over the window up: the windows'
// event loop goes on while one is up, and the player's answer comes back through a signal.
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "core/boxes.h"

namespace quarvel::qt {

class QtBoxes {
 public:
  using OnAnswer = std::function<void(const BoxAnswer&)>;
  ~QtBoxes();

  // Shows `box` over `owner` (nullptr: over no window) unless it is the one shown already;
  // `onAnswer` gets the player's answer once, when the box is closed.
  void Show(const Box& box, QWidget* owner, OnAnswer onAnswer);
  // Takes down the box shown, unanswered (the program has ended).
  void Dismiss();
  QDialog* shown() const { return dialog_; }

 private:
  QPointer<QDialog> dialog_;
  std::uint64_t shownNumber_ = 0;
};

}  // namespace quarvel::qt
