#pragma once
// Small maps and picture sheets for the player tests.
#include "game/game.h"
#include "player/movement.h"
#include "support/test_game.h"

namespace korvela::testing {

constexpr uint8_t kFloor = 130;  // any tile of 128 or more is solid
constexpr uint8_t kGrass = 1;

// An empty square map of `side` cells (MapSize side - 1), mode `mode`, the heroine at her usual
// screen cell (7, 5) and the view at `originX`, `originY` with no offsets.
inline void MakeMap(Game& g, int side, uint8_t mode, int originX, int originY) {
  g.MapLayer1.Reset(side);
  g.MapSize = static_cast<int16_t>(side - 1);
  g.GameMode = mode;
  g.MapOriginX = static_cast<int16_t>(originX);
  g.MapOriginY = static_cast<int16_t>(originY);
  g.ScrollX = g.ScrollY = 0;
  g.Player.PlayerX = 7;
  g.Player.PlayerY = 5;
}

// The map cell under screen column `column`, `rowOffset` rows below the heroine (wrapping with
// the map size, as the top-down maps do).
inline uint8_t& CellAt(Game& g, int column, int rowOffset) {
  return g.MapLayer1((column + g.MapOriginX) & g.MapSize,
                     (g.Player.PlayerY + rowOffset + g.MapOriginY) & g.MapSize);
}

inline void FillMapRow(Game& g, int mapRow, int fromColumn, int toColumn, uint8_t tile) {
  for (int x = fromColumn; x <= toColumn; ++x) g.MapLayer1(x, mapRow) = tile;
}

// One frame of movement with `key` held, let go afterwards.
inline void MoveWith(TestGame& t, platform::Key key) {
  t.platform.Press(key);
  MovePlayer(t.g);
  t.platform.Release(key);
}

}  // namespace korvela::testing
