// Space in the top-down modes examines the cell the heroine faces: a code above 100 names one
// of the map's search texts, anything else gets the standard answer.
#include "events/field_events.h"
#include "game/keyboard.h"
#include "player/status.h"
#include "text/message.h"

namespace korvela {

namespace {

// The code of the faced cell, wrapped around the map as the top-down view wraps; a facing
// outside the four directions reads nothing.
uint8_t FacedCode(const Game& g) {
  static constexpr int kStep[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  const int facing = g.Player.Facing;
  if (facing < 0 || facing > 3) return 0;
  const int x = (g.MapOriginX + g.Player.PlayerX + kStep[facing][0]) & g.MapSize;
  const int y = (g.MapOriginY + g.Player.PlayerY + kStep[facing][1]) & g.MapSize;
  return g.MapLayer2.Contains(x, y) ? g.MapLayer2(x, y) : 0;
}

}  // namespace

void SearchCommand(Game& g) {
  if (!KeyPressed(g, platform::Key::Space)) return;
  ShowStatus(g);
  g.platform.Sleep(50);
  const uint8_t code = FacedCode(g);
  if (code > 100) {
    ShowMessage(g, g.SearchTexts[code]);
  } else {
    ShowMessage(g, U"そこには何もありませんPe");
  }
}

}  // namespace korvela
