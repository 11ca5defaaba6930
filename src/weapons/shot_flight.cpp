// The shots in flight: sixteen pixels a frame until a wall, the screen's edge or a target.
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela {

void ShotHits(Game& g) {
  for (int i = 0; i < kShotSlots; ++i) {
    ShotRecord& s = g.Shots[i];
    if (s.Active != -1) continue;
    s.X = static_cast<int16_t>(s.X + s.DX);
    s.Y = static_cast<int16_t>(s.Y + s.DY);
    if (s.X < -16) s.Active = 0;
    if (s.X / kTileSize > 16) s.Active = 0;
    if (ShotBlocked(g, s.X, s.Y, s.DX)) s.Active = 0;

    // A shot freed this frame (edge, wall or an earlier target) still hits whatever it overlaps
    // now, each target once.
    const float cx = static_cast<float>(s.X + 16);
    const float cy = static_cast<float>(s.Y + 16);
    for (int j = 0; j < kEnemySlots; ++j) {
      const EnemyRecord& e = g.Enemies[j];
      if (e.Active != -1 || !PointInside(cx, cy, *EnemyRegion(e, Strike::Shot))) continue;
      s.Active = 0;
      HurtEnemy(g, j, s.Power, true);
    }
    for (int k = 0; k < kBossSlots; ++k) {
      const EnemyRecord& b = g.Bosses[k];
      if (b.Active != -1) continue;
      const auto region = BossRegion(b, Strike::Shot);
      if (!region || !PointInside(cx, cy, *region)) continue;
      s.Active = 0;
      HurtBoss(g, k, s.Power, true, Attack::Shot);
    }
  }
}

}  // namespace korvela
