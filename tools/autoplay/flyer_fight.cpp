#include "flyer_fight.h"

#include <algorithm>

#include "side_view.h"
#include "threats.h"

namespace autoplay {

namespace {

using korvela::Game;
using platform::Key;

constexpr float kFireCost = 50;  // what a cast takes (it needs 40)
constexpr int kBurnFrames = 11;
// Facing west, the flame stands from 176 to 208 on screen; a flyer's body is 192 wide.
constexpr float kFlameLeft = 176, kFlameRight = 208, kFlyerWidth = 192;
// The flame reaches the flyers' body (which ends 96 px down the screen) when cast with her
// top above 144; her top above 96 would put her in the body.
constexpr int kCastTopLow = 100, kCastTopHigh = 140;
constexpr size_t kLookAhead = 12;
// The view origins between which the meadow's ground is level.
constexpr int kMeadowWest = 40, kMeadowEast = 45;

int Top(const Body& b) { return b.row * korvela::kTileSize - b.lift; }

// How many of the frames a flame cast `delay` frames from now burns would it touch a flyer.
int BurnFrames(const Game& g, int delay) {
  int best = 0;
  for (const auto& b : g.Bosses) {
    if (b.Active != -1 || (b.Kind != 4 && b.Kind != 5) || b.Hp <= 0) continue;
    int n = 0;
    for (int k = delay; k < delay + kBurnFrames; ++k) {
      const float x = b.X + b.DX * static_cast<float>(k);
      if (x < kFlameRight && x + kFlyerWidth > kFlameLeft) ++n;
    }
    best = std::max(best, n);
  }
  return best;
}

bool FacingLeft(const Game& g) { return g.Player.Facing == 1 || g.Player.Facing == 3; }

}  // namespace

const korvela::EnemyRecord* FlyerToFight(const Game& g) {
  for (const auto& b : g.Bosses) {
    if (b.Active == -1 && (b.Kind == 4 || b.Kind == 5) && b.Hp > 0) return &b;
  }
  return nullptr;
}

KeySet FlyerFighter::Decide(const Game& g) {
  KeySet keys;
  const Body now = ReadBody(g);
  const float mp = g.Player.PlayerMp;
  const auto seen = SeeEnemies(g);
  auto safe = [&](Move first, Move then) {
    Body b = now;
    std::vector<Body> path;
    for (size_t k = 0; k < kLookAhead; ++k) {
      if (!StepBody(g, b, k == 0 ? first : then)) return false;
      path.push_back(b);
    }
    return FirstContact(g, seen, path) == 0;
  };

  if (hopAge_ >= 0) {
    // In the hop: cast once her top is high enough, then let the hop finish.
    ++hopAge_;
    keys.set(static_cast<int>(Key::Z));
    const int top = Top(now);
    if (!castHeld_ && top >= kCastTopLow && top <= kCastTopHigh && mp >= 40) {
      keys.set(static_cast<int>(Key::C));
      castHeld_ = true;
      hopAge_ = -1;
    } else if (hopAge_ > 6) {
      hopAge_ = -1;
    }
    if (hopAge_ >= 0) return keys;
    return keys;
  }
  castHeld_ = false;
  if (!FacingLeft(g)) {
    keys.set(static_cast<int>(Key::Left));
    return keys;
  }
  // A hop now reaches casting height two frames on; it is worth it when the flame would burn
  // a flyer for most of its life.
  if (mp >= kFireCost && !now.jumping && BurnFrames(g, 2) >= 8 && safe({0, true}, {0, true})) {
    hopAge_ = 0;
    keys.set(static_cast<int>(Key::Z));
    return keys;
  }
  // Otherwise keep clear of what comes: the move touched latest and least, staying on the
  // meadow between its ledges (further west the ground rises into the flyers' bodies).
  static constexpr Move kDodges[] = {{0, false}, {1, false}, {-1, false},
                                     {0, true},  {1, true},  {-1, true}};
  Move best;
  int bestScore = -1000000;
  for (const Move& m : kDodges) {
    for (const bool hold : {false, true}) {
      Body b = now;
      std::vector<Body> path;
      bool alive = true;
      for (size_t k = 0; k < kLookAhead && alive; ++k) {
        alive = StepBody(g, b, k == 0 || hold ? m : Move{});
        path.push_back(b);
      }
      if (!alive) continue;
      const int contact = FirstContact(g, seen, path);
      int score = contact == 0 ? 100000 : contact * 1000 - 10 * ContactFrames(g, seen, path);
      if (b.originX < kMeadowWest || b.originX > kMeadowEast) score -= 50000;
      if (b.row < now.row && !now.jumping) score -= 20;
      if (m.dir != 0) score -= 5;
      if (score > bestScore) {
        bestScore = score;
        best = m;
      }
    }
  }
  if (best.dir > 0) keys.set(static_cast<int>(Key::Right));
  if (best.dir < 0) keys.set(static_cast<int>(Key::Left));
  if (best.jump) keys.set(static_cast<int>(Key::Z));
  // The meadow's own enemies are shot as they come, keeping MP for the next cast when none is
  // near.
  const int dir = keys.test(static_cast<int>(Key::Right)) ? 1 : FacingLeft(g) ? -1 : 1;
  if (mp >= 10 && EnemyInLine(g, dir, 200, false)) keys.set(static_cast<int>(Key::X));
  return keys;
}

}  // namespace autoplay
