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

  // The screen's logical resolution the window was built at.
  double dpi() const { return dpi_; }
  QPoint ToPixels(int leftTwips, int topTwips) const;

  // Centres the window's outer frame on its screen, computed in twips.
  void Centre();

  // Runs when the close box is used; the close is accepted.
  void SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SetWindowColours(const layout::Rgb& background);

  double dpi_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::function<void()> onClose_;
};

}  // namespace quarvel::qt
