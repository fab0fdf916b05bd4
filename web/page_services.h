#pragma once
// The page's window system: the pointer and the focus of its controls, set by the script
// (page_library.js).
#include "core/platform.h"

namespace quarvel::web {

class PageWindow : public WindowSystem {
 public:
  void SetPointer(PointerShape shape) override;
  void FocusTile(int tile) override;
};

}  // namespace quarvel::web
