#pragma once
// The two cells of the map's event layer that the field events look at.

#include <cstdint>

#include "game/game.h"

namespace korvela {

// The heroine's cell, wrapped around the map edges as the top-down view wraps.
uint8_t HeroCell(const Game& g);
void SetHeroCell(Game& g, uint8_t code);
// The cell at the heroine's fixed screen column 7 and her row, not wrapped; a cell outside the
// layer holds no event.
uint8_t StageCell(const Game& g);
void SetStageCell(Game& g, uint8_t code);

}  // namespace korvela
