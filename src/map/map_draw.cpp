#include "map/map_draw.h"

namespace korvela {

namespace {

constexpr int kDrawColumns = 16;  // 15 visible, one more for the horizontal offset
constexpr int kDrawRows = 14;     // 12 visible, two more below
constexpr int kSheetColumns = 16;

// The tile sheet of a game mode, or null for a mode that draws no map.
const Surface* SheetOf(const Game& g) {
  switch (g.GameMode) {
    case 0:
      return &g.MapChr1;
    case 1:
      return &g.MapChr2;
    case 2:
      return &g.MapChr3;
    default:
      return nullptr;
  }
}

// Horizontal screen step that keeps an entity in place on the map while the side view scrolls
// one step: against the way the heroine walks.
int ShiftStep(const Game& g) {
  switch (g.Player.Facing) {
    case 0:
    case 2:
      return -8;
    case 1:
    case 3:
      return 8;
    default:
      return 0;
  }
}

void Move(int16_t& x, int step) { x = static_cast<int16_t>(x + step); }
void Move(float& x, int step) { x += static_cast<float>(step); }

// Moves X of the active records among the first `count` slots of a table.
template <typename Table, typename IsActive>
void ShiftTable(const Game& g, Table& table, size_t count, IsActive isActive) {
  const int step = ShiftStep(g);
  for (size_t i = 0; i < count; ++i) {
    if (isActive(table[i])) Move(table[i].X, step);
  }
}

constexpr auto kActiveFlag = [](const auto& r) { return r.Active == -1; };
constexpr auto kPhaseSet = [](const auto& r) { return r.Phase != 0; };

}  // namespace

void DrawMap(Game& g) {
  const Surface* sheet = SheetOf(g);
  if (!sheet) return;
  const bool sideView = g.GameMode == 1;
  const ByteGrid& layer = g.MapLayer1;
  for (int j = 0; j < kDrawRows; ++j) {
    for (int i = 0; i < kDrawColumns; ++i) {
      int x = i + g.MapOriginX;
      int y = j + g.MapOriginY;
      if (!sideView) {
        x &= g.MapSize;
        y &= g.MapSize;
      }
      // The side view does not wrap; a cell beyond the map (and any cell before a map is
      // loaded) shows tile 0.
      const int t = layer.Contains(x, y) ? layer(x, y) : 0;
      const int dy = sideView ? kTileSize * j : kTileSize * j - g.ScrollY;
      g.Crt.BitBlt(kTileSize * i - g.ScrollX, dy, kTileSize, kTileSize, *sheet,
                   kTileSize * (t % kSheetColumns), kTileSize * (t / kSheetColumns),
                   platform::RasterOp::SrcCopy);
    }
  }
}

void ShiftShots(Game& g) { ShiftTable(g, g.Shots, 21, kActiveFlag); }
void ShiftBombs(Game& g) { ShiftTable(g, g.Bombs, 6, kPhaseSet); }
void ShiftFires(Game& g) { ShiftTable(g, g.Fires, 6, kPhaseSet); }
void ShiftEnemies(Game& g) { ShiftTable(g, g.Enemies, 10, kActiveFlag); }
void ShiftBosses(Game& g) { ShiftTable(g, g.Bosses, 4, kActiveFlag); }
void ShiftEnemyShots(Game& g) { ShiftTable(g, g.EnemyShots, 5, kActiveFlag); }

void ShiftEntities(Game& g) {
  ShiftShots(g);
  ShiftBombs(g);
  ShiftFires(g);
  ShiftEnemies(g);
  ShiftBosses(g);
  ShiftEnemyShots(g);
}

}  // namespace korvela
