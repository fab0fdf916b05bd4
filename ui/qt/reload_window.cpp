#include "ui/qt/reload_window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/reload_window_layout.h"

namespace quarvel::qt {
namespace {

// Eats Return and Enter in the combo box's edit field: the combo box would otherwise take
// a typed text that matches an entry as a pick, and only picks in the list count.
class ReturnKeyBlocker : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
  }
};

}  // namespace

ReloadWindow::ReloadWindow() : FormWindow(layout::kReloadWindowLayout) {
  // Keys reach the edit field directly or through the combo box.
  auto* blocker = new ReturnKeyBlocker(combo());
  combo()->installEventFilter(blocker);
  combo()->lineEdit()->installEventFilter(blocker);
}

QComboBox* ReloadWindow::combo() const { return controlAs<QComboBox>("Combo1"); }
QPushButton* ReloadWindow::returnButton() const { return controlAs<QPushButton>("Command1"); }

void ReloadWindow::Draw(const std::vector<std::string>& list, const std::string& text, bool refresh) {
  QComboBox& box = *combo();
  const QSignalBlocker quiet(box);
  if (list != drawnList_) {
    drawnList_ = list;
    box.clear();
    for (const std::string& entry : list) box.addItem(QString::fromStdString(entry));
    box.setCurrentIndex(-1);
    refresh = true;
  }
  if (refresh || text != drawnText_) {
    drawnText_ = text;
    box.setEditText(QString::fromStdString(text));
  }
}

}  // namespace quarvel::qt
