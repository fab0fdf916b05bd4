#pragma once
#include "core/platform.h"
#include "ui/window_state.h"

namespace quarvel {

// Click of "Save Game #": stores the game number box's number in saved.dat.
void SaveGame(MainWindowState& window, Services& services);

}  // namespace quarvel
