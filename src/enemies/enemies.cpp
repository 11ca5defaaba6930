// The opponents arrive with the enemy work; until then the frame loop calls these in their places.
#include "enemies/enemies.h"

namespace korvela {

void SpawnEnemy(Game&, int16_t) {}      // starts one enemy of a kind
void SpawnBoss(Game&, int16_t) {}       // starts one boss of a kind
void EnemyFire(Game&, float, float) {}  // a boss bullet aimed at the heroine
void MoveEnemies(Game&) {}              // moves the enemies and applies their contact damage
void EnemyShotsHitPlayer(Game&) {}      // moves boss bullets and applies their hits
void DrawBosses(Game&) {}               // draws the active bosses
void DrawEnemies(Game&) {}              // draws the active enemies
void DrawEnemyShots(Game&) {}           // draws the boss bullets

}  // namespace korvela
