#include "player/status.h"

#include <charconv>

namespace korvela {

void DrawPlayer(Game&) {}    // being built
void DrawGauges(Game&) {}    // being built
void CheckLevelUp(Game&) {}  // being built
void ShowStatus(Game&) {}    // being built

namespace {

// A float stat in its shortest decimal form: 50 shows as 50, 60.5 as 60.5.
std::string Shortest(float v) {
  char buf[32];
  const auto result = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, result.ptr);
}

}  // namespace

std::string CaptionText(const Game& g) {
  const PlayerRecord& p = g.Player;
  return "KORVELA  LV=" + std::to_string(p.PlayerLevel) + "  STR=" + Shortest(p.PlayerStr) +
         "  DEX=" + Shortest(p.PlayerDex) + "  INT=" + Shortest(p.PlayerInt) +
         "  EXP/Next=" + std::to_string(p.PlayerExp) + "/" + std::to_string(p.NextExp);
}

void UpdateCaption(Game& g) {
  if (g.Player.PlayerExp >= 5000) g.Player.PlayerExp = 5000;
  g.platform.SetCaption(CaptionText(g));
}

}  // namespace korvela
