#pragma once
// The platform services of the page: its own modal dialogs (HTML dialog elements, awaited
// with the WebAssembly suspended) and the pointer and focus of its controls.
#include "core/platform.h"

namespace quarvel::web {

class PageWindow : public Dialogs, public WindowSystem {
 public:
  void SetPointer(PointerShape shape) override;
  void FocusTile(int tile) override;
  void ShowMessage(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskInput(const std::string& title, const std::string& prompt, int leftTwips,
                                      int topTwips) override;
  void ShowFailure(const std::string& text) override;
};

}  // namespace quarvel::web
