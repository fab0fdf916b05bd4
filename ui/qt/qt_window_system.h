#pragma once
// The mouse pointer and the board's keyboard focus.
#include <functional>

#include "core/platform.h"

namespace quarvel::qt {

class QtWindowSystem : public WindowSystem {
 public:
  ~QtWindowSystem() override;

  void SetFocusHook(std::function<void(int)> hook) { focusHook_ = std::move(hook); }

  // The hourglass is an application-wide wait cursor until the default is asked for.
  void SetPointer(PointerShape shape) override;
  void FocusTile(int tile) override;

 private:
  bool waiting_ = false;
  std::function<void(int)> focusHook_;
};

}  // namespace quarvel::qt
