#pragma once
// What a screen reader says for the windows' controls.
#include <string>
#include <string_view>

#include "core/board.h"
#include "ui/window_layout.h"

namespace quarvel {

// A tile says its number and the cell it stands on: "Tile 7, row 2, column 3"; the
// blank's button says "Empty cell, row 4, column 4".
std::string TileAccessibleName(int tile, CellPos cell);

// A control's own accessible name, else its caption.
std::string_view AccessibleNameOf(const layout::ControlLayout& control);

}  // namespace quarvel
