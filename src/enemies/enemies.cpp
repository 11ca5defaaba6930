// Movement and drawing of the opponents arrive next; until then the frame loop calls these.
#include "enemies/enemies.h"

namespace korvela {

void MoveEnemies(Game&) {}  // moves the enemies and applies their contact damage
void DrawBosses(Game&) {}   // draws the active bosses
void DrawEnemies(Game&) {}  // draws the active enemies

}  // namespace korvela
