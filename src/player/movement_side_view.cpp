// The side view: the map scrolls sideways under the heroine while she herself jumps and falls
// through the rows of the screen. She is two cells tall; the row below her feet is her ground,
// and ScrollY is how many pixels she stands above her row.
#include <algorithm>

#include "game/keyboard.h"
#include "map/map_draw.h"
#include "player/movement_shared.h"

namespace korvela {

namespace {

using platform::Key;

bool GroundPresent(const Game& g) {
  return CellSolid(g, 7, 2) || (g.ScrollX > 0 && CellSolid(g, 8, 2));
}

bool JumpKeyPressed(Game& g) {
  // Both keys are asked every time, so neither keeps an old press for later.
  const bool z = KeyPressed(g, Key::Z);
  const bool v = KeyPressed(g, Key::V);
  return z || v;
}

// One frame of a rise: 20, 18, 16 ... 0 pixels while the key is held, stopping at once when it
// is let go.
void Rise(Game& g) {
  PlayerRecord& p = g.Player;
  g.JumpCount = static_cast<int16_t>(g.JumpCount + 1);
  const int lift = 22 - 2 * g.JumpCount;
  g.ScrollY = static_cast<int16_t>(g.ScrollY + lift);
  if (g.ScrollY >= kTileSize) {
    p.PlayerY = static_cast<int16_t>(p.PlayerY - 1);
    g.ScrollY = static_cast<int16_t>(g.ScrollY - kTileSize);
  }
  if (!JumpKeyPressed(g) || lift <= 0) {
    p.Jumping = 0;
    g.JumpCount = 0;
  }
}

// One frame of gravity: the fall grows by 2 pixels a frame up to one row, and stops on the
// first solid row under her feet.
void Fall(Game& g) {
  PlayerRecord& p = g.Player;
  if (!GroundPresent(g)) {
    g.JumpCount = static_cast<int16_t>(g.JumpCount + 1);
    const int y = std::max(g.ScrollY - 2 * g.JumpCount, -kTileSize);
    g.ScrollY = static_cast<int16_t>(y);
    if (g.ScrollY < 0) {
      p.PlayerY = static_cast<int16_t>(p.PlayerY + 1);
      g.ScrollY = static_cast<int16_t>(g.ScrollY + kTileSize);
    }
    if (p.PlayerY > 14) g.GameOver = -1;  // fell out of the bottom of the screen
  }
  if (GroundPresent(g)) {
    g.ScrollY = 0;
    g.JumpCount = 0;
  }
}

// Steps the view 8 pixels sideways and keeps every entity in its place on the map. Returns
// false only for the short step left inside a tile, which ends the turn without touching the
// pose; a step blocked by a wall still counts as a move for the jumping pose.
bool RunSideways(Game& g, char code) {
  PlayerRecord& p = g.Player;
  if (code == '3') {
    p.Facing = 0;
    if (CellSolid(g, 8, 0) || CellSolid(g, 8, 1)) return true;
    g.ScrollX = static_cast<int16_t>(g.ScrollX + 8);
    ShiftEntities(g);
    if (g.ScrollX >= kTileSize) {
      g.ScrollX = 0;
      g.MapOriginX = static_cast<int16_t>(g.MapOriginX + 1);
      p.AnimStep = NextAnimStep(p.AnimStep);
    }
    return true;
  }
  // code '7'
  p.Facing = 1;
  if (g.ScrollX > 0) {
    g.ScrollX = static_cast<int16_t>(g.ScrollX - 8);
    ShiftEntities(g);
    return false;
  }
  if (CellSolid(g, 6, 0) || CellSolid(g, 6, 1)) return true;
  g.MapOriginX = static_cast<int16_t>(g.MapOriginX - 1);
  g.ScrollX = 24;
  ShiftEntities(g);
  p.AnimStep = NextAnimStep(p.AnimStep);
  return true;
}

}  // namespace

void MoveSideView(Game& g) {
  PlayerRecord& p = g.Player;
  if (GroundPresent(g) && g.ScrollY == 0 && JumpKeyPressed(g)) p.Jumping = -1;
  if (p.Jumping == -1) {
    Rise(g);
  } else {
    Fall(g);
  }

  const char code = ReadDirection(g);
  if (code == '3' || code == '7') {
    if (RunSideways(g, code) && p.Jumping == -1) p.AnimStep = 2;  // the jumping pose
  } else if (p.Facing == 0 || p.Facing == 1) {
    p.AnimStep = 0;  // standing; the poses after an attack keep their step
  }
}

}  // namespace korvela
