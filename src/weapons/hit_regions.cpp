// Where an attack reaches a target, and where a map cell stops a shot or a bomb.
#include "weapons/hits.h"

namespace korvela {

namespace {

// A region as offsets from the target's X and Y; `reachable` false for a strike that never hits.
struct Offsets {
  float left, top, right, bottom;
  bool reachable = true;
};

constexpr Offsets kWalker{0, 0, 32, 64};
constexpr Offsets kLanding{0, 8, 32, 64};  // a bomb in flight must come down onto an enemy
constexpr Offsets kRunner{0, 0, 80, 64};
constexpr Offsets kBossBody{0, 0, 192, 192};
constexpr Offsets kNever{0, 0, 0, 0, false};

// Indexed by Strike: shot, bomb in flight, burst, fire.
using RegionRow = Offsets[4];

constexpr RegionRow kEnemyRegions[] = {
    {kWalker, kLanding, kWalker, kWalker},  // kinds 0..2
    {kRunner, kLanding, kRunner, kRunner},  // kind 3, the long runner
};

constexpr RegionRow kBossRegions[] = {
    {kBossBody, kBossBody, kBossBody, kBossBody},  // kinds 0..5
    // Kind 6 is small and shrugs bombs off once they burst.
    {{16, 16, 80, 96}, kBossBody, kNever, {0, 0, 64, 64}},
    // Kind 7, the last boss.
    {{32, 16, 96, 96}, kBossBody, {32, 0, 96, 64}, {32, 0, 96, 64}},
};

std::optional<Box> Place(const Offsets& o, const EnemyRecord& t) {
  if (!o.reachable) return std::nullopt;
  return Box{t.X + o.left, t.Y + o.top, t.X + o.right, t.Y + o.bottom};
}

// A cell ahead of a point in its direction of travel (the same column when it stands still).
int Ahead(int col, int16_t dx) { return dx > 0 ? col + 1 : dx < 0 ? col - 1 : col; }

}  // namespace

bool PointInside(float x, float y, const Box& box) {
  return box.left < x && x < box.right && box.top < y && y < box.bottom;
}

bool Overlaps(const Box& a, const Box& b) {
  return b.left < a.right && b.right > a.left && b.top < a.bottom && b.bottom > a.top;
}

std::optional<Box> EnemyRegion(const EnemyRecord& e, Strike strike) {
  const int row = e.Kind == 3 ? 1 : 0;
  return Place(kEnemyRegions[row][static_cast<int>(strike)], e);
}

std::optional<Box> BossRegion(const EnemyRecord& b, Strike strike) {
  const int row = b.Kind == 6 ? 1 : b.Kind == 7 ? 2 : 0;
  return Place(kBossRegions[row][static_cast<int>(strike)], b);
}

uint8_t TileAt(const Game& g, int col, int row) {
  return g.MapLayer1.Contains(col, row) ? g.MapLayer1(col, row) : 0;
}

bool ShotBlocked(const Game& g, int16_t x, int16_t y, int16_t dx) {
  const int a = Ahead(x / kTileSize + g.MapOriginX, dx);
  const int r = y / kTileSize + g.MapOriginY;
  return TileAt(g, a, r) >= 128 || TileAt(g, a, r + 1) >= 128;
}

bool BombBlocked(const Game& g, int16_t x, int16_t y, int16_t dx) {
  const int c = x / kTileSize + g.MapOriginX;
  const int a = Ahead(c, dx);
  const int r = y / kTileSize + g.MapOriginY;
  // The bomb's own cell stops it from tile 127 up: the gate tile counts as a wall for bombs.
  return TileAt(g, c, r) >= 127 || TileAt(g, a, r + 1) >= 128 || TileAt(g, a, r) >= 128;
}

}  // namespace korvela
