#include "events/event_cells.h"

namespace korvela {

namespace {

struct Cell {
  int x, y;
};

Cell HeroPosition(const Game& g) {
  return {(g.MapOriginX + g.Player.PlayerX) & g.MapSize,
          (g.MapOriginY + g.Player.PlayerY) & g.MapSize};
}

Cell StagePosition(const Game& g) { return {g.MapOriginX + 7, g.MapOriginY + g.Player.PlayerY}; }

uint8_t Read(const Game& g, Cell c) {
  return g.MapLayer2.Contains(c.x, c.y) ? g.MapLayer2(c.x, c.y) : 0;
}

void Write(Game& g, Cell c, uint8_t code) {
  if (g.MapLayer2.Contains(c.x, c.y)) g.MapLayer2(c.x, c.y) = code;
}

}  // namespace

uint8_t HeroCell(const Game& g) { return Read(g, HeroPosition(g)); }
void SetHeroCell(Game& g, uint8_t code) { Write(g, HeroPosition(g), code); }
uint8_t StageCell(const Game& g) { return Read(g, StagePosition(g)); }
void SetStageCell(Game& g, uint8_t code) { Write(g, StagePosition(g), code); }

}  // namespace korvela
