#pragma once
// A fixed-size top-level window built from its layout table. Controls are looked up by
// their layout names ("Text1", "Command1(5)").
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/twips.h"
#include "ui/window_layout.h"

namespace quarvel::qt {

class FormWindow : public QWidget {
  Q_OBJECT  // its class name carries the windows' palette (RegisterPalette)

      public : explicit FormWindow(const layout::WindowLayout& layout);

  // Registers the windows' colours for this class once, at application set-up: the windows
  // and their controls in those colours then share one palette.
  static void RegisterPalette();

  // Makes each of these windows an application window ("frame") to a screen reader, named
  // by its title, rather than a bare client area. Once, at application set-up.
  static void RegisterAccessibility();

  QWidget* control(std::string_view name) const;
  template <typename T>
  T* controlAs(std::string_view name) const {
    return qobject_cast<T*>(control(name));
  }

  // The resolution the window's twips are drawn at: the screen's logical resolution the
  // window was built at, times the window's scale (below 1 while it is shown smaller to fit
  // on its screen).
  double dpi() const { return screenDpi_ * scale_; }
  QPoint ToPixels(int leftTwips, int topTwips) const;

  // Draws the window at full size where its outer frame fits into the available area of its
  // screen, else as large as fits there, controls and fonts scaled alike.
  void FitOnScreen();

  // Centres the window's outer frame on its screen, computed in twips, after fitting it; a
  // place that is not wholly within the screen's available area is moved into it.
  void Centre();

  // Runs when the close box is used; the close is accepted.
  void SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Runs when the window has been drawn at another scale.
  virtual void Rescaled() {}

 private:
  void SetWindowColours(const layout::Rgb& background);
  // The window's size and every control's place and font at dpi().
  void LayOut();

  const layout::WindowLayout& table_;
  double screenDpi_;
  double scale_ = 1;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::function<void()> onClose_;
};

}  // namespace quarvel::qt
