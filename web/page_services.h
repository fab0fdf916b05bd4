#pragma once
// The platform services of the page: its clock, its own modal dialogs (HTML dialog
// elements, awaited with the WebAssembly suspended) and the pointer and focus of its
// controls.
#include "core/platform.h"

namespace quarvel::web {

// The browser's wall clock for dates, performance.now() for durations.
class PageClock : public Clock {
 public:
  DateTime Now() override;
  std::int64_t MonotonicMs() override;
  std::string MonthAbbreviation(int month) override;
};

class PageDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskInput(const std::string& title, const std::string& prompt, int leftTwips,
                                      int topTwips) override;
  void ShowFailure(const std::string& text) override;
};

class PageWindowSystem : public WindowSystem {
 public:
  void SetPointer(PointerShape shape) override;
  void FocusTile(int tile) override;
};

}  // namespace quarvel::web
