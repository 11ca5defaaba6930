#pragma once
// Pictures of a compiled map for the people who build the world: layer 1 drawn from its tile
// sheet, every event code of layer 2 as a small coloured label, the fixed arrival cells and the
// boss and pick-up trigger columns marked. Whole maps or a window of one, at any cell size.

#include <string_view>

#include "game/game.h"
#include "platform/surface.h"

namespace maprender {

struct Window {
  int x = 0, y = 0, width = 0, height = 0;  // in cells; a width of 0 means the whole map
};

struct RenderOptions {
  Window window;
  int cell = 32;  // pixels per map cell (tiles are scaled down when smaller than 32)
};

// Colours of the labels, by what the code does (as the events tileset colours them).
platform::Color LabelColor(int code);
// The colour that marks an arrival cell.
constexpr platform::Color kArrivalColor = 0xFF00FF;

// Draws the map that `g` holds (as LoadMap left it), named `name` ("01", "02", "03"), with the
// tiles of `sheet` (a 512 x 512 sheet of 16 x 16 tiles).
platform::Surface RenderMap(const korvela::Game& g, std::string_view name,
                            const platform::Surface& sheet, const RenderOptions& options);

}  // namespace maprender
