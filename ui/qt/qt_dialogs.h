#pragma once
// Message and input boxes as modal Qt dialogs.
#include <QWidget>
#include <functional>

#include "core/platform.h"

namespace quarvel::qt {

class QtDialogs : public Dialogs {
 public:
  // Called before each box: brings the windows up to date and names the window the box
  // belongs to (nullptr: none is shown yet).
  using OwnerHook = std::function<QWidget*()>;
  void SetOwnerHook(OwnerHook hook) { ownerHook_ = std::move(hook); }

  void ShowMessage(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskInput(const std::string& title, const std::string& prompt, int leftTwips,
                                      int topTwips) override;
  void ShowFailure(const std::string& text) override;

 private:
  QWidget* Owner() const { return ownerHook_ ? ownerHook_() : nullptr; }
  OwnerHook ownerHook_;
};

}  // namespace quarvel::qt
