#pragma once
// The eight bosses' turns and what they share. Each kind is one small handler; BossLogic runs
// them through a table indexed by kind. A handler ends with its own contact test.
#include <cstdint>

#include "game/game.h"

namespace korvela {

using BossTurn = void (*)(Game&, EnemyRecord&);

// Stands and fires every 45 frames.
void GroundBoss0(Game& g, EnemyRecord& b);
// Stands and fires at random intervals, showing frame 4 after each shot.
void GroundBoss1(Game& g, EnemyRecord& b);
// Walks left, tears down walls in its way, pauses to shoot.
void GroundBoss2(Game& g, EnemyRecord& b);
// Stands and fires fast; does nothing once beaten.
void GroundBoss3(Game& g, EnemyRecord& b);
// Sweep back and forth high above the heroine: one bullet per pass, or a volley of four.
void FlyingBoss4(Game& g, EnemyRecord& b);
void FlyingBoss5(Game& g, EnemyRecord& b);
// Run back and forth on the ground and leap from fixed spots; kind 7 speaks first.
void LeapingBoss6(Game& g, EnemyRecord& b);
void LeapingBoss7(Game& g, EnemyRecord& b);

// The boss's screen column and row: its position rounded, divided by 32 toward zero.
int BossColumn(const EnemyRecord& b);
int BossRow(const EnemyRecord& b);

// True when the map cell at (column + da, row + db) relative to the boss blocks.
bool BlocksAt(const Game& g, const EnemyRecord& b, int da, int db);

// Counts a 16-bit pattern counter up by one; at 32767 it wraps to 0, which keeps every
// pattern that reads it modulo 2, 3, 4 or 5 (32768 is a multiple of each power of two, and the
// counters that use 3 or 5 are reset long before).
void CountUp(int16_t& counter);

// Anim = (Anim + 1, rounded) mod n: the next whole animation frame.
void StepAnim(EnemyRecord& b, int n);

// A bullet from (x, y), aimed at the heroine.
void Shoot(Game& g, float x, float y);

// A fresh number in [0, 1) scaled to 0..n-1, rounded down: Int(r * n).
int RandomBelow(Game& g, int n);

}  // namespace korvela
