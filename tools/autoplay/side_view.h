#pragma once
// Playing a side-view stage: a model of the heroine's running and jumping, a search over it for
// the way to a stage exit, and the choice of when to shoot.

#include <cstdint>
#include <functional>
#include <vector>

#include "boss_fight.h"
#include "bot_platform.h"
#include "game/game.h"

namespace autoplay {

// The heroine's movement state in a stage, as the movement rules see it.
struct Body {
  int originX = 0, scrollX = 0, row = 0, lift = 0;  // view column, its offset, PlayerY, ScrollY
  bool jumping = false;
  int jumpCount = 0;
  bool operator==(const Body&) const = default;
};

// One frame's movement keys.
struct Move {
  int dir = 0;  // -1 left, 0 none, 1 right
  bool jump = false;
};

Body ReadBody(const korvela::Game& g);
// One frame of the movement rules; false when she falls out of the bottom of the screen.
bool StepBody(const korvela::Game& g, Body& b, Move m);
// The event code under her head, where stage events are read.
uint8_t CodeAt(const korvela::Game& g, const Body& b);

// The quickest moves from `start` to a body whose head cell `goal` accepts, never crossing a
// map-change code that `goal` refuses. Empty when there is none within the search's bound.
std::vector<Move> PlanMoves(const korvela::Game& g, const Body& start,
                            const std::function<bool(uint8_t)>& goal);

// Follows a plan to a stage exit and shoots what stands in her way.
class StageRunner {
 public:
  explicit StageRunner(std::function<bool(uint8_t)> goal) : goal_(std::move(goal)) {}
  KeySet Decide(const korvela::Game& g);
  int Replans() const { return replans_; }

 private:
  void Replan(const korvela::Game& g, const Body& now);
  // The move for this frame: the plan's, or a way round an enemy the plan would run into.
  Move Choose(const korvela::Game& g, const Body& now);

  std::function<bool(uint8_t)> goal_;
  std::vector<Move> plan_;
  std::vector<Body> expected_;
  size_t next_ = 0;
  int replans_ = 0;
  int goalDir_ = 1;        // which way the plan leads
  bool dodging_ = false;   // off the plan to keep clear of an enemy
  bool fighting_ = false;  // a boss stood in the way: replan once it is gone
  bool selectHeld_ = false;
  uint64_t frames_ = 0;
  uint64_t failedAt_ = 0;  // the frame of the last search that found no way
  BossFighter fighter_;
};

}  // namespace autoplay
