#pragma once
// Loading a map: the map file in DATA/ and the layer and text files it names.
#include <string_view>

#include "shell/game.h"

namespace korvela {

// Reads "MAP(" + name + ").PRO" and its companion files into MapSize, MapLayer1, MapLayer2 and
// SearchTexts. A missing or short file is fatal (FatalError names it).
void LoadMap(Game& g, std::string_view name);

}  // namespace korvela
