#pragma once
// Enemies, bosses and their bullets.
#include "game/game.h"

namespace korvela {

void MoveEnemies(Game& g);
void BossLogic(Game& g);
void EnemyShotsHitPlayer(Game& g);
void DrawBosses(Game& g);
void DrawEnemies(Game& g);
void DrawEnemyShots(Game& g);

}  // namespace korvela
