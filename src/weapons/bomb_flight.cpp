// The bombs: a thrown arc that bursts on a wall or a target, and the burst's ten frames of harm.
#include "game/music.h"
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

// One frame of flight; the bomb bursts (Phase 2) on a wall or on touching any target, and every
// contact sounds again.
void Fly(Game& g, BombRecord& b) {
  b.X = static_cast<int16_t>(b.X + b.DX);
  b.Y = static_cast<int16_t>(b.Y + b.DY);
  b.DY = static_cast<int16_t>(b.DY + 8);
  if (b.Y / kTileSize > 11) b.Phase = 0;  // fell below the screen
  const auto burst = [&] {
    b.Phase = 2;
    PlaySe(g, "explode.wav");
  };
  if (BombBlocked(g, b.X, b.Y, b.DX)) burst();
  const float x = b.X;
  const float y = b.Y;
  for (int j = 0; j < kEnemySlots; ++j) {
    const EnemyRecord& e = g.Enemies[j];
    if (e.Active == -1 && PointInside(x, y, *EnemyRegion(e, Strike::BombInFlight))) burst();
  }
  for (int k = 0; k < kBossSlots; ++k) {
    const EnemyRecord& boss = g.Bosses[k];
    if (boss.Active != -1) continue;
    const auto region = BossRegion(boss, Strike::BombInFlight);
    if (region && PointInside(x, y, *region)) burst();
  }
}

// One frame of the burst: it ages, then harms everything it overlaps, also in its last frame.
void Burn(Game& g, BombRecord& b) {
  b.Phase = static_cast<uint8_t>(b.Phase + 1);
  if (b.Phase >= 12) b.Phase = 0;
  const Box blast{static_cast<float>(b.X - 32), static_cast<float>(b.Y - 32),
                  static_cast<float>(b.X + 32), static_cast<float>(b.Y + 32)};
  // Bosses take a burst without a hit sound; the kind that shrugs bursts off has no region.
  HarmOverlapping(g, blast, Strike::Burst, b.Power, false, Attack::Bomb);
}

}  // namespace

void BombHits(Game& g) {
  for (int i = 0; i < kBombSlots; ++i) {
    BombRecord& b = g.Bombs[i];
    if (b.Phase == 1) Fly(g, b);
    if (b.Phase >= 2) Burn(g, b);
  }
}

}  // namespace korvela
