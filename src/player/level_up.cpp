// Levelling: once the experience reaches the next threshold, one level and 10 points in one
// stat, the largest stat being the least likely to grow.
#include "game/music.h"
#include "player/status.h"

namespace korvela {

namespace {

// The stat that grows, given a draw r in 0..4: the largest stat on 0, the `middle` one on 1 or
// 2, the `other` on 3 or 4.
float& StatToRaise(PlayerRecord& p, int r) {
  float& str = p.PlayerStr;
  float& dex = p.PlayerDex;
  float& in = p.PlayerInt;
  float* order[3];  // largest, middle, other
  if ((str >= dex && dex >= in) || (str >= in && in >= dex)) {
    order[0] = &str, order[1] = &dex, order[2] = &in;
  } else if ((dex >= str && str >= in) || (dex >= in && in >= str)) {
    order[0] = &dex, order[1] = &str, order[2] = &in;
  } else {
    order[0] = &in, order[1] = &dex, order[2] = &str;
  }
  return *order[r == 0 ? 0 : r <= 2 ? 1 : 2];
}

}  // namespace

void CheckLevelUp(Game& g) {
  PlayerRecord& p = g.Player;
  if (p.PlayerExp < p.NextExp) return;
  p.PlayerExp = static_cast<int16_t>(p.PlayerExp - p.NextExp);
  p.NextExp = static_cast<int16_t>(p.NextExp + 50);
  p.PlayerLevel = static_cast<int16_t>(p.PlayerLevel + 1);
  PlaySe(g, "BellA@16.wav");
  // STR is also the HP maximum; HP itself does not rise with it.
  StatToRaise(p, Int(5 * Rnd(g))) += 10;
  UpdateCaption(g);
}

}  // namespace korvela
