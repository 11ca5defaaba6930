#pragma once
// Fighting the two flyers from the high meadow: their bodies sweep above her head, out of reach
// of her shots, so she hops and casts the fire pillar as one passes, high enough for the flame
// to reach its body and low enough to stay under it; between casts she keeps clear of their
// bullets and waits for MP.

#include "bot_platform.h"
#include "game/game.h"

namespace autoplay {

// A flyer (kind 4 or 5) still in the air, or null.
const korvela::EnemyRecord* FlyerToFight(const korvela::Game& g);

class FlyerFighter {
 public:
  // This frame's keys while a flyer is up and she stands on the meadow.
  KeySet Decide(const korvela::Game& g);

 private:
  int hopAge_ = -1;  // 0 on the frame after she jumped to cast, else -1
};

}  // namespace autoplay
