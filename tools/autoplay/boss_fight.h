#pragma once
// Fighting a boss that stands or walks on the ground: she keeps at a distance from which her
// attacks reach it and its body does not, dodges its bullets, and casts the fire pillar on it
// when she has the fire and the MP for it.

#include <optional>

#include "bot_platform.h"
#include "game/game.h"

namespace autoplay {

// The boss she should fight now: an active ground boss (kinds 0 to 3) still standing, or null.
const korvela::EnemyRecord* GroundBossToFight(const korvela::Game& g);

class BossFighter {
 public:
  // This frame's keys against `boss`.
  KeySet Decide(const korvela::Game& g, const korvela::EnemyRecord& boss);

 private:
  bool castHeld_ = false;  // C was held last frame: let go so the next press counts
};

}  // namespace autoplay
