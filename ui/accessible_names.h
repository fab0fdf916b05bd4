#pragma once
// What the windows' controls say, on the screen and to a screen reader, in the player's
// language.
#include <string>

#include "core/board.h"
#include "ui/window_layout.h"

namespace quarvel {

// A tile says its number and the cell it stands on: "Tile 7, row 2, column 3"; the
// blank's button says "Empty cell, row 4, column 4".
std::string TileAccessibleName(int tile, CellPos cell);

// A control's caption: its text (the version notice with the game's version), or the
// caption that is alike in every language.
std::string CaptionOf(const layout::ControlLayout& control);

// A control's own accessible name, else its caption.
std::string AccessibleNameOf(const layout::ControlLayout& control);

}  // namespace quarvel
