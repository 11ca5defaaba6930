// The bosses' frame pass: every active boss in slot order takes the turn of its kind.
#include <array>

#include "enemies/boss_kinds.h"
#include "enemies/enemies.h"
#include "enemies/enemy_shared.h"

namespace korvela {

namespace {

constexpr int kBossSlots = 4;  // Bosses 0..3; slots 4 and 5 are never used

constexpr std::array<BossTurn, 8> kTurns{GroundBoss0, GroundBoss1, GroundBoss2,  GroundBoss3,
                                         FlyingBoss4, FlyingBoss5, LeapingBoss6, LeapingBoss7};

}  // namespace

int BossColumn(const EnemyRecord& b) { return CellIndex(b.X); }
int BossRow(const EnemyRecord& b) { return CellIndex(b.Y); }

bool BlocksAt(const Game& g, const EnemyRecord& b, int da, int db) {
  return CellBlocks(g, BossColumn(b) + da, BossRow(b) + db);
}

void CountUp(int16_t& counter) {
  counter = counter == INT16_MAX ? 0 : static_cast<int16_t>(counter + 1);
}

void StepAnim(EnemyRecord& b, int n) { b.Anim = static_cast<float>(CInt(b.Anim + 1) % n); }

void Shoot(Game& g, float x, float y) { EnemyFire(g, x, y); }

int RandomBelow(Game& g, int n) { return Int(Rnd(g) * static_cast<float>(n)); }

void BossLogic(Game& g) {
  for (int i = 0; i < kBossSlots; ++i) {
    EnemyRecord& b = g.Bosses[i];
    if (b.Active != -1) continue;
    // A kind without a pattern does nothing.
    if (b.Kind >= 0 && b.Kind < static_cast<int16_t>(kTurns.size())) kTurns[b.Kind](g, b);
  }
}

}  // namespace korvela
