#include "enemies/enemy_shared.h"

#include <cmath>
#include <limits>

#include "game/music.h"

namespace korvela {

int32_t RoundToInt(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

namespace {

// The map coordinates of screen cell (a, b), or false when they fall outside MapLayer1.
bool MapCell(const Game& g, int a, int b, int* x, int* y) {
  *x = g.MapOriginX + a;
  *y = g.MapOriginY + b;
  return g.MapLayer1.Contains(*x, *y);
}

}  // namespace

bool CellBlocks(const Game& g, int a, int b) {
  int x = 0, y = 0;
  return MapCell(g, a, b, &x, &y) && g.MapLayer1(x, y) >= 128;
}

void SetMapCell(Game& g, int a, int b, uint8_t tile) {
  int x = 0, y = 0;
  if (MapCell(g, a, b, &x, &y)) g.MapLayer1(x, y) = tile;
}

void HurtHeroine(Game& g, float points) {
  if (g.HurtGuard != 0) return;
  g.HurtGuard = -1;
  CrushHeroine(g, points);
}

void CrushHeroine(Game& g, float points) {
  g.Player.PlayerHp -= points;
  PlaySe(g, "scream.wav");
}

}  // namespace korvela
