#include "ui/qt/front_end.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

#include "ui/main_window_commands.h"
#include "ui/main_window_layout.h"
#include "ui/qt/arrow_key_filter.h"
#include "ui/qt/click_filter.h"
#include "ui/qt/event_filter.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_shortest_solutions.h"
#include "ui/qt/qt_window_system.h"

namespace quarvel::qt {
namespace {

// A key the window takes wherever its focus is; not while a modal box is up.
void OnKey(QWidget& window, const QKeySequence& keys, std::function<void()> action) {
  auto* shortcut = new QShortcut(keys, &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
}

}  // namespace

QtFrontEnd::QtFrontEnd(Program& program, QtDialogs* dialogs, QtWindowSystem* windowSystem,
                       QtShortestSolutions* shortestSolutions)
    : program_(program), main_(std::make_unique<MainWindow>()), shortestSolutions_(shortestSolutions) {
  if (dialogs) dialogs->SetOwnerHook([this] { return PrepareModal(); });
  if (windowSystem) windowSystem->SetFocusHook([this](int tile) { main_->tile(tile)->setFocus(Qt::OtherFocusReason); });
  if (shortestSolutions_)
    shortestSolutions_->SetOnLength([this](std::uint64_t game, int length) { ShortestLengthFound(game, length); });
  timer_.setInterval(layout::kTimerIntervalMs);
  Connect();
  main_->Draw(program_.state(), program_.mainWindow());
}

QtFrontEnd::~QtFrontEnd() {
  if (shortestSolutions_) shortestSolutions_->SetOnLength({});
}

void QtFrontEnd::ShortestLengthFound(std::uint64_t game, int length) {
  if (busy_) {
    lengthFoundMeanwhile_.emplace(game, length);
    return;
  }
  Forward([this, game, length] { program_.ReceiveShortestLength(game, length); });
}

void QtFrontEnd::Connect() {
  Program& p = program_;
  const auto click = [this](QPushButton* button, std::function<void()> event) {
    QObject::connect(button, &QPushButton::clicked, button, [this, event] { Forward(event); });
  };
  for (const CommandBinding& binding : kCommandBindings)
    click(main_->command(binding.command), [&p, handler = binding.handler] { (p.*handler)(); });
  for (int tile = 1; tile < kTileCount; ++tile) click(main_->tile(tile), [&p, tile] { p.ClickTile(tile); });
  InstallOwnedFilter<ClickFilter>(*main_->gameNumberBox(), [this, &p] { Forward([&p] { p.ClickGameNumberBox(); }); });
  InstallOwnedFilter<ClickFilter>(*main_->timeBox(), [this, &p] { Forward([&p] { p.ClickTimeBox(); }); });
  // Any change but the window's own redraw: typed, pasted, or put there by a screen reader
  // through the accessible text interface, which sends no keys.
  QObject::connect(main_->gameNumberBox(), &QLineEdit::textChanged, main_.get(),
                   [this, &p](const QString& text) { Forward([&p, &text] { p.TypeGameNumber(text.toStdString()); }); });
  InstallOwnedFilter<ArrowKeyFilter>(*main_, [this, &p](ArrowKey key) {
    Forward([&p, key] { p.PressArrowKey(key); });
  }).WatchControls(*main_);
  main_->SetOnClose([this] { CloseMainWindow(); });
  // Ctrl+N is New Game and Enter in the "Game #" box Replay Last Game, each only when its
  // button is enabled (the handlers refuse otherwise); Ctrl+Q is the close box.
  OnKey(*main_, QKeySequence(Qt::CTRL | Qt::Key_N), [this, &p] { Forward([&p] { p.ClickNewGame(); }); });
  QObject::connect(main_->gameNumberBox(), &QLineEdit::returnPressed, main_.get(),
                   [this, &p] { Forward([&p] { p.ClickReplay(); }); });
  OnKey(*main_, QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { main_->close(); });

  QObject::connect(&timer_, &QTimer::timeout, main_.get(), [this] { Tick(); });
}

void QtFrontEnd::ConnectHallOfFame() {
  Program& p = program_;
  QPushButton* button = hallOfFame_->returnButton();
  QObject::connect(button, &QPushButton::clicked, button, [this, &p] { Forward([&p] { p.ReturnToMain(); }); });
  hallOfFame_->SetOnClose([this, &p] { Forward([&p] { p.CloseWindow(); }); });
  // Escape and Enter are "Return to Main Screen".
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
    OnKey(*hallOfFame_, QKeySequence(key), [this, &p] { Forward([&p] { p.ReturnToMain(); }); });
}

void QtFrontEnd::ConnectReload() {
  Program& p = program_;
  QPushButton* button = reload_->returnButton();
  QObject::connect(button, &QPushButton::clicked, button, [this, &p] { Forward([&p] { p.ReturnToMain(); }); });
  QComboBox* combo = reload_->combo();
  QObject::connect(combo, &QComboBox::activated, combo, [this, &p, combo](int index) {
    const std::string entry = combo->itemText(index).toStdString();
    Forward([&p, &entry] { p.PickSavedGame(entry); });
  });
  reload_->SetOnClose([this, &p] { Forward([&p] { p.CloseWindow(); }); });
  // Escape is "Return to Main Screen"; Enter in the box picks the entry typed there, which
  // the handler takes only when the list holds it.
  OnKey(*reload_, QKeySequence(Qt::Key_Escape), [this, &p] { Forward([&p] { p.ReturnToMain(); }); });
  reload_->SetOnEnter([this, &p, combo] {
    const std::string entry = combo->currentText().toStdString();
    Forward([&p, &entry] { p.PickSavedGame(entry); });
  });
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
  {
    const QScopedValueRollback busy(busy_, true);
    if (!program_.Start()) return false;
  }
  started_ = true;
  Redraw();
  main_->Centre();
  timer_.start();
  return true;
}

void QtFrontEnd::Tick() {
  Forward([this] { program_.Tick(); });
}

void QtFrontEnd::Forward(const std::function<void()>& event) {
  if (busy_) return;
  const QScopedValueRollback busy(busy_, true);
  event();
  if (const auto found = std::exchange(lengthFoundMeanwhile_, std::nullopt))
    program_.ReceiveShortestLength(found->first, found->second);
  Redraw();
}

QWidget* QtFrontEnd::PrepareModal() {
  if (!started_) return nullptr;
  Redraw();
  return &WindowOf(program_.windows().visible);
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
  main_->Draw(program_.state(), program_.mainWindow());
  if (hallOfFame_ || windows.visible == WindowId::HallOfFame) hallOfFameWindow().Draw(windows.listing);
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
    up.show();
    up.raise();
    up.activateWindow();
  }
  if (centre) up.Centre();
  if (onRedrawn_) onRedrawn_();
}

void QtFrontEnd::CloseMainWindow() {
  program_.Close();
  timer_.stop();
  started_ = false;
  if (hallOfFame_) hallOfFame_->hide();
  if (reload_) reload_->hide();
  if (onClosed_) onClosed_();
}

}  // namespace quarvel::qt
