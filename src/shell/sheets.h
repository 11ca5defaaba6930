#pragma once
// The picture sheets of the window, loaded from PNG files at window load.

#include "shell/game.h"

namespace korvela {

// Loads every sheet from AssetDir; a missing or wrongly sized sheet is fatal.
void LoadSheets(Game& g);

}  // namespace korvela
