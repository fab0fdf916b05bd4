#include "ui/qt/form_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "ui/accessible_names.h"
#include "ui/qt/outline_shape.h"
#include "ui/qt/widget_style.h"
#include "ui/texts.h"

namespace quarvel::qt {
namespace {

// The background of every window layout, and so of the palette registered for them.
constexpr layout::Rgb kSharedBackground = layout::WindowLayout{}.background;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

Qt::Alignment HorizontalAlignment(layout::Alignment alignment) {
  switch (alignment) {
    case layout::Alignment::Centre: return Qt::AlignHCenter;
    case layout::Alignment::Right: return Qt::AlignRight;
    case layout::Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

QWidget* CreateControl(const layout::ControlLayout& control, QWidget* parent) {
  const QString caption = QString::fromStdString(CaptionOf(control));
  const Qt::Alignment alignment = HorizontalAlignment(control.alignment);
  switch (control.kind) {
    case layout::ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(alignment | Qt::AlignTop);
      return label;
    }
    case layout::ControlKind::TextBox:
    case layout::ControlKind::ReadOnlyBox: {
      const bool readOnly = control.kind == layout::ControlKind::ReadOnlyBox;
      if (control.multiLine) {
        auto* box = new QPlainTextEdit(caption, parent);
        box->setReadOnly(readOnly);
        if (!control.border) box->setFrameShape(QFrame::NoFrame);
        return box;
      }
      auto* box = new QLineEdit(caption, parent);
      box->setReadOnly(readOnly);
      box->setAlignment(alignment | Qt::AlignVCenter);
      box->setFrame(control.border);
      return box;
    }
    case layout::ControlKind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case layout::ControlKind::Rectangle: return new OutlineShape(MakeColour(control.foreground), parent);
    case layout::ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      // Text typed into the edit field is never taken as a pick.
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      return combo;
    }
  }
  return nullptr;
}

Qt::FocusPolicy FocusPolicyOf(const layout::ControlLayout& control) {
  if (control.kind == layout::ControlKind::Label || control.kind == layout::ControlKind::Rectangle) return Qt::NoFocus;
  return control.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

QAccessibleInterface* FormWindowAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(FormWindow::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

FormWindow::FormWindow(const layout::WindowLayout& table)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      table_(table),
      screenDpi_(screen()->logicalDotsPerInch()) {
  setObjectName(ToQString(table.name));
  setWindowTitle(QString::fromStdString(Text(table.caption)));
  SetWindowColours(table.background);

  std::vector<std::pair<int, QWidget*>> tabStops;
  for (const layout::ControlLayout& item : table.controls) {
    QWidget* widget = CreateControl(item, this);
    const std::string name = layout::ControlName(item);
    widget->setObjectName(QString::fromStdString(name));
    widget->setAccessibleName(QString::fromStdString(AccessibleNameOf(item)));
    ApplyColours(*widget, item.foreground, item.background);
    widget->setFocusPolicy(FocusPolicyOf(item));
    widget->setVisible(item.visible);
    if (item.kind == layout::ControlKind::Rectangle) widget->lower();
    if (item.tabStop) tabStops.emplace_back(item.tabIndex, widget);
    controls_[name] = widget;
  }
  std::stable_sort(tabStops.begin(), tabStops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops.size(); ++i) QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  LayOut();
}

void FormWindow::LayOut() {
  const PixelRect client = quarvel::ToPixels({0, 0, table_.clientWidth, table_.clientHeight}, dpi());
  setFixedSize(client.width, client.height);
  setFont(MakeFont(table_.font, scale_));
  for (const layout::ControlLayout& item : table_.controls) {
    QWidget* widget = control(layout::ControlName(item));
    const PixelRect place = quarvel::ToPixels(item.rect, dpi());
    widget->setGeometry(place.x, place.y, place.width, place.height);
    widget->setFont(MakeFont(item.font, scale_));
  }
}

// The windows take their colours from a palette registered for their class, not from one
// set on each window. A palette set on a window is copied into each of its controls, and
// the style, which keeps drawn button faces by palette, would then draw every button's face
// afresh; controls in the window's own colours share the class's palette instead.
void FormWindow::RegisterPalette() {
  QApplication::setPalette(ColouredPalette(QApplication::palette(), layout::kBlack, kSharedBackground),
                           staticMetaObject.className());
}

void FormWindow::RegisterAccessibility() { QAccessible::installFactory(FormWindowAccessible); }

void FormWindow::SetWindowColours(const layout::Rgb& background) {
  if (background != kSharedBackground) {  // a window in other colours than the registered ones
    ApplyColours(*this, layout::kBlack, background);
    return;
  }
  setPalette(QPalette());  // resolved again, now that the window is a FormWindow
  setAutoFillBackground(true);
}

QWidget* FormWindow::control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

QPoint FormWindow::ToPixels(int leftTwips, int topTwips) const {
  return {TwipsToPixels(leftTwips, dpi()), TwipsToPixels(topTwips, dpi())};
}

void FormWindow::FitOnScreen() {
  const QRect area = screen()->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  const double scale = ScaleToFit({0, 0, table_.clientWidth, table_.clientHeight}, screenDpi_, frame.width(),
                                  frame.height(), {area.x(), area.y(), area.width(), area.height()});
  if (scale == scale_) return;
  scale_ = scale;
  LayOut();
  Rescaled();
}

void FormWindow::Centre() {
  FitOnScreen();
  const QScreen* where = screen();
  const QRect area = where->geometry();
  const QRect outer = frameGeometry();
  const double screenDpi = where->logicalDotsPerInch();
  const int left = CentredOffset(PixelsToTwips(area.width(), screenDpi), PixelsToTwips(outer.width(), screenDpi));
  const int top = CentredOffset(PixelsToTwips(area.height(), screenDpi), PixelsToTwips(outer.height(), screenDpi));
  const QPoint centred = area.topLeft() + QPoint(TwipsToPixels(left, screenDpi), TwipsToPixels(top, screenDpi));
  const QRect available = where->availableGeometry();
  const PixelRect kept = KeptWithin({centred.x(), centred.y(), outer.width(), outer.height()},
                                    {available.x(), available.y(), available.width(), available.height()});
  move(kept.x, kept.y);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClose_) onClose_();
}

}  // namespace quarvel::qt
