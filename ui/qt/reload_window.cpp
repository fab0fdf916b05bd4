#include "ui/qt/reload_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QWheelEvent>

#include "ui/qt/event_filter.h"
#include "ui/reload_window_layout.h"

namespace quarvel::qt {
namespace {

// The arrow keys and the wheel over the closed box only move the selection through the
// list, as the edit field shows it; the combo box would take each move as a pick and start
// that game at once, leaving a keyboard or screen-reader user no way to reach the next
// entry. A pick is a click in the open list or Enter.
class SelectionMoveFilter : public QObject {
 public:
  explicit SelectionMoveFilter(QComboBox& combo) : combo_(combo) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (combo_.view()->isVisible()) return false;
    int step = 0;
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;  // Alt+Down opens the list
      if (key->key() == Qt::Key_Up || key->key() == Qt::Key_PageUp) step = -1;
      if (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) step = 1;
    } else if (event->type() == QEvent::Wheel) {
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      step = delta > 0 ? -1 : delta < 0 ? 1 : 0;
    }
    if (step == 0) return false;
    const int next = combo_.currentIndex() + step;
    if (next >= 0 && next < combo_.count()) combo_.setCurrentIndex(next);
    event->accept();
    return true;
  }

 private:
  QComboBox& combo_;
};

}  // namespace

ReloadWindow::ReloadWindow() : FormWindow(layout::kReloadWindowLayout), items_(new QStringListModel(this)) {
  // The entries as one list handed over at once, rather than an item object per entry:
  // tens of thousands of saved games fill the box in milliseconds and in little memory.
  combo()->setModel(items_);
  // Every entry is one line in one font, so the drop-down need not measure each of them.
  if (auto* list = qobject_cast<QListView*>(combo()->view())) list->setUniformItemSizes(true);
  // A screen reader names the box by its value once an entry is selected, and by the label
  // it is tied to: "Select Game #".
  controlAs<QLabel>(layout::kSavedGameLabel)->setBuddy(combo());
  // Keys reach the edit field directly or through the combo box. Enter there is the key
  // table's: it picks the entry the box shows.
  auto& moves = InstallOwnedFilter<SelectionMoveFilter>(*combo(), *combo());
  combo()->lineEdit()->installEventFilter(&moves);
}

QComboBox* ReloadWindow::combo() const { return controlAs<QComboBox>(layout::kSavedGameBox); }
QPushButton* ReloadWindow::returnButton() const { return controlAs<QPushButton>(layout::kReloadReturnButton); }

void ReloadWindow::Draw(const std::vector<std::string>& list, std::uint64_t listVersion, const std::string& text,
                        bool refresh) {
  QComboBox& box = *combo();
  const QSignalBlocker quiet(box);
  if (listVersion != drawnVersion_) {
    drawnVersion_ = listVersion;
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& entry : list)
      entries.append(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    items_->setStringList(std::move(entries));
    box.setCurrentIndex(-1);
    refresh = true;
  }
  if (refresh || text != drawnText_) {
    drawnText_ = text;
    box.setEditText(QString::fromStdString(text));
  }
}

}  // namespace quarvel::qt
