#include "web/page_services.h"

extern "C" {
// In page_library.js.
void page_set_busy_pointer(int busy);
void page_focus_tile(int tile);
}

namespace quarvel::web {

void PageWindow::SetPointer(PointerShape shape) { page_set_busy_pointer(shape == PointerShape::Hourglass ? 1 : 0); }

void PageWindow::FocusTile(int tile) { page_focus_tile(tile); }

}  // namespace quarvel::web
