// The heroine's sprite: 20 cells of 64 x 64 in a row, five steps for each facing, image on top
// and mask below.
#include "player/status.h"

namespace korvela {

void DrawPlayer(Game& g) {
  const PlayerRecord& p = g.Player;
  const int cell = 5 * p.Facing + p.AnimStep;
  if (cell < 0 || cell >= 20) return;  // no such pose
  const int x = 32 * p.PlayerX - 16;
  const int sheetX = 64 * cell;
  if (g.GameMode == 0 || g.GameMode == 2) {
    // Her feet stand in her tile; the sprite reaches a tile above it.
    g.Crt.DrawMasked(x, 32 * p.PlayerY - 32, 64, 64, g.Chr, sheetX, 0, sheetX, 64);
  } else if (g.GameMode == 1) {
    // She covers her two tiles and rises with ScrollY.
    g.Crt.DrawMasked(x, 32 * p.PlayerY - g.ScrollY, 64, 64, g.Chr2, sheetX, 0, sheetX, 64);
  }
}

}  // namespace korvela
