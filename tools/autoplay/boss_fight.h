#pragma once
// Fighting a boss on the ground: she keeps at a distance from which her attacks reach it and
// its body does not (or, against a runner, where she stands, jumping it), dodges its bullets,
// and casts the fire pillar on the walker when she has the fire and the MP for it.

#include <array>
#include <optional>

#include "bot_platform.h"
#include "game/game.h"

namespace autoplay {

// The boss she should fight now, or null: one that stands or walks on the ground (kinds 0 to
// 3) still standing, or a runner (6 and 7). The flyers (4 and 5) are passed under.
const korvela::EnemyRecord* BossToFight(const korvela::Game& g);

class BossFighter {
 public:
  // This frame's keys against `boss`.
  KeySet Decide(const korvela::Game& g, const korvela::EnemyRecord& boss);

 private:
  bool castHeld_ = false;        // C was held last frame: let go so the next press counts
  std::array<int, 4> lastAt_{};  // her view origin, its offset, row and lift last frame
  int stillFrames_ = 0;          // frames her body has not moved
  int climbFrames_ = 0;          // frames left of a jump over a step in her way
  int climbDir_ = 1;
};

}  // namespace autoplay
