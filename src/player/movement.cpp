#include "player/movement.h"

#include "game/keyboard.h"
#include "player/movement_shared.h"

namespace korvela {

bool CellSolid(const Game& g, int column, int rowOffset) {
  int x = column + g.MapOriginX;
  int y = g.Player.PlayerY + rowOffset + g.MapOriginY;
  if (g.GameMode != 1) {
    // The top-down maps wrap: collide with the cell that is drawn there.
    x &= g.MapSize;
    y &= g.MapSize;
  }
  if (!g.MapLayer1.Contains(x, y)) return true;
  return g.MapLayer1(x, y) >= 128;
}

void MovePlayer(Game& g) {
  if (g.GameMode == 0 || g.GameMode == 2) {
    MoveTopDown(g);
  } else if (g.GameMode == 1) {
    MoveSideView(g);
  }
  // A key now counts as pressed only while held or when pressed again after this point.
  FlushKeys(g);
}

}  // namespace korvela
