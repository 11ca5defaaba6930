#pragma once
// What the enemies, the bosses and their bullets share: where the heroine is as they see her,
// the screen cell of a position, the map cells they test, and the two ways they hurt her.
#include <cstdint>

#include "game/game.h"

namespace korvela {

// The heroine's body as the opponents see it: screen x 224..256 (column 7), y HeroTop..+64.
inline int HeroTop(const Game& g) { return g.Player.PlayerY * kTileSize - g.ScrollY; }

// A position rounded to the nearest integer, halves to even, as a 32-bit integer. Values beyond
// the 32-bit range saturate and a NaN gives 0, so a broken record cannot overflow anything.
int32_t RoundToInt(double v);

// The screen column (or row) of a position: rounded as above, then divided by 32 toward zero,
// so -10 lies in column 0.
inline int CellIndex(float v) { return RoundToInt(v) / kTileSize; }

// True when the map cell shown at screen column a, row b (the view's origin added, the pixel
// scroll not) blocks: tile 128 or above in MapLayer1. A cell outside the map counts as open.
bool CellBlocks(const Game& g, int a, int b);

// Writes a tile into MapLayer1 at screen column a, row b; a cell outside the map is skipped.
void SetMapCell(Game& g, int a, int b, uint8_t tile);

// A hurt that respects the protection: only while HurtGuard is 0, it sets HurtGuard, takes
// `points` from PlayerHp and screams. Later hurts in the next 10 frames do nothing.
void HurtHeroine(Game& g, float points);

// A hurt that ignores the protection: takes `points` from PlayerHp and screams in every frame
// it happens, without touching HurtGuard.
void CrushHeroine(Game& g, float points);

}  // namespace korvela
