#include "ui/qt/front_end.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"
#include "ui/qt/click_filter.h"
#include "ui/qt/event_filter.h"
#include "ui/qt/key_filter.h"
#include "ui/qt/qt_shortest_solutions.h"
#include "ui/qt/qt_window_system.h"

namespace quarvel::qt {

QtFrontEnd::QtFrontEnd(Program& program, QtWindowSystem* windowSystem, QtShortestSolutions* shortestSolutions)
    : program_(program), main_(std::make_unique<MainWindow>()), shortestSolutions_(shortestSolutions) {
  if (windowSystem) windowSystem->SetFocusHook([this](int tile) { main_->tile(tile)->setFocus(Qt::OtherFocusReason); });
  if (shortestSolutions_)
    shortestSolutions_->SetOnLength([this](std::uint64_t game, int length) {
      Forward({EventId::ShortestLength, length, {}, game});
    });
  timer_.setInterval(layout::kTimerIntervalMs);
  Connect();
  main_->Draw(program_.state().game, program_.mainWindow());
}

QtFrontEnd::~QtFrontEnd() {
  if (shortestSolutions_) shortestSolutions_->SetOnLength({});
}

void QtFrontEnd::Connect() {
  const auto click = [this](QPushButton* button, Event event) {
    QObject::connect(button, &QPushButton::clicked, button, [this, event] { Forward(event); });
  };
  for (const CommandButton& command : kCommandButtons) click(main_->command(command.event), {command.event});
  for (int tile = 1; tile < kTileCount; ++tile) click(main_->tile(tile), {EventId::Tile, tile});
  InstallOwnedFilter<ClickFilter>(*main_->gameNumberBox(), [this] { Forward({EventId::GameNumberBoxClick}); });
  InstallOwnedFilter<ClickFilter>(*main_->timeBox(), [this] { Forward({EventId::TimeBoxClick}); });
  // Any change but the window's own redraw (which is quiet): typed, pasted, or put there by
  // a screen reader through the accessible text interface, which sends no keys.
  QObject::connect(main_->gameNumberBox(), &QLineEdit::textChanged, main_.get(), [this](const QString& text) {
    Forward({EventId::TypeGameNumber, 0, text.toStdString()});
  });
  WatchKeys(*main_);
  main_->SetOnClose([this] { Forward({EventId::Quit}); });
  QObject::connect(&timer_, &QTimer::timeout, main_.get(), [this] { Tick(); });
}

void QtFrontEnd::ConnectHallOfFame() {
  QPushButton* button = hallOfFame_->returnButton();
  QObject::connect(button, &QPushButton::clicked, button, [this] { Forward({EventId::ReturnToMain}); });
  hallOfFame_->SetOnClose([this] { Forward({EventId::CloseWindow}); });
  WatchKeys(*hallOfFame_);
}

void QtFrontEnd::ConnectReload() {
  QPushButton* button = reload_->returnButton();
  QObject::connect(button, &QPushButton::clicked, button, [this] { Forward({EventId::ReturnToMain}); });
  QComboBox* combo = reload_->combo();
  QObject::connect(combo, &QComboBox::activated, combo, [this, combo](int index) {
    Forward({EventId::PickSavedGame, 0, combo->itemText(index).toStdString()});
  });
  reload_->SetOnClose([this] { Forward({EventId::CloseWindow}); });
  WatchKeys(*reload_);
}

void QtFrontEnd::WatchKeys(FormWindow& window) {
  InstallOwnedFilter<KeyFilter>(window, [this, &window](Key key, bool ctrl, const QObject* control) {
    // A key the focused control left reaches the window: it was pressed there all the same.
    return PressKey(key, ctrl, control == &window ? QApplication::focusWidget() : control);
  }).WatchControls(window);
}

bool QtFrontEnd::PressKey(Key key, bool ctrl, const QObject* control) {
  KeyPress press;
  press.key = key;
  press.ctrl = ctrl;
  if (control && control == main_->gameNumberBox()) {
    press.focus = KeyFocus::GameNumberBox;
  } else if (reload_ && control && (control == reload_->combo() || control == reload_->combo()->lineEdit())) {
    press.focus = KeyFocus::SavedGameBox;
    press.boxText = reload_->combo()->currentText().toStdString();
  }
  const auto event = program_.EventOfKey(press);
  if (event) Forward(*event);
  return event.has_value();
}

HallOfFameWindow& QtFrontEnd::hallOfFameWindow() {
  if (!hallOfFame_) {
    hallOfFame_ = std::make_unique<HallOfFameWindow>();
    ConnectHallOfFame();
  }
  return *hallOfFame_;
}

ReloadWindow& QtFrontEnd::reloadWindow() {
  if (!reload_) {
    reload_ = std::make_unique<ReloadWindow>();
    ConnectReload();
  }
  return *reload_;
}

bool QtFrontEnd::Start() {
  if (!program_.Start()) {
    ShowBox();  // the reason, over no window
    return false;
  }
  started_ = true;
  main_->FitOnScreen();  // sized for its screen before it first shows
  Redraw();
  main_->Centre();
  timer_.start();
  ShowBox();
  return true;
}

void QtFrontEnd::Forward(const Event& event) {
  if (program_.ended()) return;
  program_.Take(event);
  if (program_.ended()) {
    Ended();
    return;
  }
  Redraw();
  ShowBox();
}

void QtFrontEnd::ShowBox() {
  while (const Box* box = program_.box()) {
    if (!answerBoxes_) {
      QWidget* owner = started_ ? &WindowOf(program_.windows().visible) : nullptr;
      boxes_.Show(*box, owner, [this](const BoxAnswer& answer) { Forward(AnswerEvent(answer)); });
      return;
    }
    const BoxAnswer answer = answerBoxes_(*box);
    program_.Take(AnswerEvent(answer));
    if (program_.ended()) {
      Ended();
      return;
    }
    Redraw();
  }
}

FormWindow& QtFrontEnd::WindowOf(WindowId id) {
  switch (id) {
    case WindowId::HallOfFame: return hallOfFameWindow();
    case WindowId::Reload: return reloadWindow();
    case WindowId::Main: break;
  }
  return *main_;
}

void QtFrontEnd::Redraw() {
  const WindowsState& windows = program_.windows();
  const bool comingUp = windows.visible != drawnVisible_;
  main_->Draw(program_.state().game, program_.mainWindow());
  if (hallOfFame_ || windows.visible == WindowId::HallOfFame) hallOfFameWindow().Draw(windows.listingColumns);
  if (reload_ || windows.visible == WindowId::Reload)
    reloadWindow().Draw(windows.savedList, windows.savedListVersion, windows.comboText,
                        comingUp && windows.visible == WindowId::Reload);
  if (!started_) return;

  // A window being loaded is centred once shown, when its frame is known.
  const bool centre =
      (windows.visible == WindowId::HallOfFame && windows.hallOfFameLoaded && !drawnHallOfFameLoaded_) ||
      (windows.visible == WindowId::Reload && windows.reloadLoaded && !drawnReloadLoaded_);
  drawnHallOfFameLoaded_ = windows.hallOfFameLoaded;
  drawnReloadLoaded_ = windows.reloadLoaded;
  drawnVisible_ = windows.visible;

  FormWindow& up = WindowOf(windows.visible);
  for (FormWindow* window : {static_cast<FormWindow*>(main_.get()), static_cast<FormWindow*>(hallOfFame_.get()),
                             static_cast<FormWindow*>(reload_.get())})
    if (window && window != &up && window->isVisible()) window->hide();
  if (!up.isVisible()) {
    if (centre) up.FitOnScreen();
    up.show();
    up.raise();
    up.activateWindow();
  }
  if (centre) up.Centre();
  if (onRedrawn_) onRedrawn_();
}

void QtFrontEnd::Ended() {
  if (endReported_) return;
  endReported_ = true;
  boxes_.Dismiss();
  timer_.stop();
  started_ = false;
  for (FormWindow* window : {static_cast<FormWindow*>(main_.get()), static_cast<FormWindow*>(hallOfFame_.get()),
                             static_cast<FormWindow*>(reload_.get())})
    if (window) window->hide();
  if (onEnded_) onEnded_();
}

}  // namespace quarvel::qt
