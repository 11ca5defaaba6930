#include "map/map_draw.h"

namespace korvela {

void DrawMap(Game&) {}  // being built
void ShiftShots(Game&) {}
void ShiftBombs(Game&) {}
void ShiftFires(Game&) {}
void ShiftEnemies(Game&) {}
void ShiftBosses(Game&) {}
void ShiftEnemyShots(Game&) {}
void ShiftEntities(Game& g) {
  ShiftShots(g);
  ShiftBombs(g);
  ShiftFires(g);
  ShiftEnemies(g);
  ShiftBosses(g);
  ShiftEnemyShots(g);
}

}  // namespace korvela
