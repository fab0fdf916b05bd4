#include "web/page_services.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "ui/texts.h"

namespace quarvel::web {
namespace {

// The script's dialogs resolve when the player closes them; the handler waits meanwhile.
// (Script inside, which clang-format would take for C++.)
// clang-format off
EM_ASYNC_JS(void, ShowPageMessage, (const char* title, const char* text), {
  await Module.page.showMessage(UTF8ToString(title), UTF8ToString(text));
});

// A copy of the answer in the module's memory (freed by the caller), or 0 for Cancel.
EM_ASYNC_JS(char*, AskPageInput, (const char* title, const char* prompt), {
  const answer = await Module.page.askInput(UTF8ToString(title), UTF8ToString(prompt));
  return answer === null ? 0 : allocateUTF8(answer);
});

EM_JS(void, SetPagePointer, (int busy), { Module.page.setBusyPointer(busy !== 0); });

EM_JS(void, FocusPageTile, (int tile), { Module.page.focusTile(tile); });
// clang-format on

}  // namespace

void PageWindow::ShowMessage(const std::string& title, const std::string& text) {
  ShowPageMessage(title.c_str(), text.c_str());
}

std::optional<std::string> PageWindow::AskInput(const std::string& title, const std::string& prompt, int, int) {
  const std::unique_ptr<char, decltype(&std::free)> answer(AskPageInput(title.c_str(), prompt.c_str()), &std::free);
  if (!answer) return std::nullopt;
  return std::string(answer.get());
}

void PageWindow::ShowFailure(const std::string& text) { ShowMessage(Text(TextId::ErrorTitle), text); }

void PageWindow::SetPointer(PointerShape shape) { SetPagePointer(shape == PointerShape::Hourglass ? 1 : 0); }

void PageWindow::FocusTile(int tile) { FocusPageTile(tile); }

}  // namespace quarvel::web
