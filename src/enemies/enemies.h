#pragma once
// Enemies, bosses and their bullets.
#include "game/game.h"

namespace korvela {

// Starts one enemy of kind 0..3 in the first free slot of Enemies 0..9; nothing when all are busy.
void SpawnEnemy(Game& g, int16_t kind);
// Starts one boss of kind 0..7 in the first free slot of Bosses 0..3, with its sound.
void SpawnBoss(Game& g, int16_t kind);
// A boss bullet from the point (x, y), aimed at the heroine.
void EnemyFire(Game& g, float x, float y);

void MoveEnemies(Game& g);
void BossLogic(Game& g);
void EnemyShotsHitPlayer(Game& g);
void DrawBosses(Game& g);
void DrawEnemies(Game& g);
void DrawEnemyShots(Game& g);

}  // namespace korvela
