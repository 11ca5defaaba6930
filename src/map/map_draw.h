#pragma once
// Drawing the visible part of the map, and keeping entities in place while the side view scrolls.
#include "game/game.h"

namespace korvela {

// Paints the 16 x 14 tiles around the view onto Crt from the tile sheet of the current mode.
void DrawMap(Game& g);

// Each moves the X of every active record of one table 8 pixels against the scroll.
void ShiftShots(Game& g);
void ShiftBombs(Game& g);
void ShiftFires(Game& g);
void ShiftEnemies(Game& g);
void ShiftBosses(Game& g);
void ShiftEnemyShots(Game& g);
// All six, in that order.
void ShiftEntities(Game& g);

}  // namespace korvela
