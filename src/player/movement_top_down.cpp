// Top-down walking: the heroine stays in her screen cell and the map slides under her in steps
// of 8 pixels. The origin wraps at 256 whatever the map's size.
#include "game/keyboard.h"
#include "player/movement_shared.h"

namespace korvela {

namespace {

bool Free(const Game& g, int column, int rowOffset) { return !CellSolid(g, column, rowOffset); }

// Moves one view offset by `step` pixels; when it leaves 0..31 the origin follows by one cell.
void Slide(Game& g, int16_t& scroll, int16_t& origin, int step) {
  scroll = static_cast<int16_t>(scroll + step);
  if (scroll < 0 || scroll >= kTileSize) {
    scroll = static_cast<int16_t>(scroll < 0 ? scroll + kTileSize : scroll - kTileSize);
    origin = static_cast<int16_t>((origin + (step < 0 ? -1 : 1)) & 255);
    g.Player.AnimStep = NextAnimStep(g.Player.AnimStep);
  }
}

}  // namespace

void MoveTopDown(Game& g) {
  PlayerRecord& p = g.Player;
  // While the view is part-way between cells the heroine also covers the next column (ScrollX)
  // or row (ScrollY); both cells ahead must then be free.
  const bool straddlesX = g.ScrollX > 0;
  const bool straddlesY = g.ScrollY > 0;
  switch (ReadDirection(g)) {
    case '1':
      p.Facing = 3;
      if (straddlesY || (Free(g, 7, -1) && (!straddlesX || Free(g, 8, -1)))) {
        Slide(g, g.ScrollY, g.MapOriginY, -8);
      }
      break;
    case '5':
      p.Facing = 2;
      if (Free(g, 7, 1) && (!straddlesX || Free(g, 8, 1))) Slide(g, g.ScrollY, g.MapOriginY, 8);
      break;
    case '3':
      p.Facing = 0;
      if (Free(g, 8, 0) && (!straddlesY || Free(g, 8, 1))) Slide(g, g.ScrollX, g.MapOriginX, 8);
      break;
    case '7':
      p.Facing = 1;
      if (straddlesX || (Free(g, 6, 0) && (!straddlesY || Free(g, 6, 1)))) {
        Slide(g, g.ScrollX, g.MapOriginX, -8);
      }
      break;
    default:  // no arrow, or two at once: she stands
      p.AnimStep = 0;
      break;
  }
}

}  // namespace korvela
