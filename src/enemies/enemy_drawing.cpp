// Painting the enemies and bosses from their sheets: for each frame the sheet holds an image cell
// and, a fixed distance below it, its mask; the mask is laid down first, then the image.
#include <array>
#include <span>

#include "enemies/enemies.h"
#include "enemies/enemy_shared.h"

namespace korvela {

namespace {

constexpr size_t kEnemySlots = 10;
constexpr size_t kBossSlots = 4;

// Where a kind's frames lie in its sheet and where the picture sits relative to X and Y.
struct SpriteCells {
  Surface Game::*sheet;
  int width, height;
  int imageY, maskY;
  int sheetX;        // x of the first cell
  int framesPerDir;  // cells of one facing; 0 when the kind looks the same both ways
  int offsetX;       // the picture's left edge is X plus this
};

// Enemy kind k: a band of 128 rows, images on top, masks below; five frames each way.
constexpr std::array<SpriteCells, 4> kEnemyCells{{
    {&Game::Enemy, 64, 64, 0, 64, 0, 5, -16},
    {&Game::Enemy, 64, 64, 128, 192, 0, 5, -16},
    {&Game::Enemy, 64, 64, 256, 320, 0, 5, -16},
    {&Game::Enemy, 96, 64, 384, 448, 0, 5, -16},
}};

constexpr std::array<SpriteCells, 8> kBossCells{{
    {&Game::Boss, 192, 192, 0, 192, 0, 4, 0},
    {&Game::Boss, 96, 96, 384, 480, 0, 5, -32},
    {&Game::Boss, 224, 192, 576, 768, 0, 4, -32},
    {&Game::Boss, 320, 192, 960, 1152, 0, 0, -32},
    {&Game::Boss2, 320, 384, 0, 384, 0, 5, -32},
    {&Game::Boss2, 320, 384, 768, 1152, 0, 5, -32},
    {&Game::Boss, 96, 96, 0, 96, 768, 5, 0},
    {&Game::Buri, 128, 96, 0, 96, 0, 5, 0},
}};

// frame is the animation frame as the kind counts it: Int(Anim) for enemies, Anim itself for
// bosses. Position and cell are rounded halves to even; what falls outside the screen or the
// sheet is clipped by the copy.
void DrawSprite(Game& g, const SpriteCells& cells, const EnemyRecord& e, double frame) {
  const double cell = cells.framesPerDir * e.Dir + frame;
  const int sheetX = cells.sheetX + RoundToInt(cell * cells.width);
  g.Crt.DrawMasked(RoundToInt(static_cast<double>(e.X) + cells.offsetX), RoundToInt(e.Y),
                   cells.width, cells.height, g.*cells.sheet, sheetX, cells.imageY, sheetX,
                   cells.maskY);
}

// Active records in slot order, so later slots cover earlier ones.
void DrawTable(Game& g, std::span<const EnemyRecord> slots, std::span<const SpriteCells> kinds,
               bool wholeFrames) {
  for (const EnemyRecord& e : slots) {
    if (e.Active != -1 || e.Kind < 0 || static_cast<size_t>(e.Kind) >= kinds.size()) continue;
    const double frame = wholeFrames ? Int(e.Anim) : static_cast<double>(e.Anim);
    DrawSprite(g, kinds[static_cast<size_t>(e.Kind)], e, frame);
  }
}

}  // namespace

void DrawEnemies(Game& g) {
  DrawTable(g, std::span(g.Enemies).first(kEnemySlots), kEnemyCells, true);
}

void DrawBosses(Game& g) { DrawTable(g, std::span(g.Bosses).first(kBossSlots), kBossCells, false); }

}  // namespace korvela
