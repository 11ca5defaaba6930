#pragma once
// What the movement routines share: looking up the cells around the heroine and stepping the
// walking animation.
#include "game/game.h"

namespace korvela {

// True when the map cell at screen column `column`, `rowOffset` rows below the heroine's row, is
// solid (tile 128 or above). In the top-down modes the lookup wraps with the map size, as the map
// is drawn; in the side view it does not. A cell outside the map counts as solid.
bool CellSolid(const Game& g, int column, int rowOffset);

// The walking poses run 1, 2, 3, 4, 1, ...; a standing heroine (0) starts at 1.
inline int16_t NextAnimStep(int16_t step) { return static_cast<int16_t>(step % 4 + 1); }

void MoveTopDown(Game& g);
void MoveSideView(Game& g);

}  // namespace korvela
