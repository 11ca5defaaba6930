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
// A flyer's body reaches 96 px down the screen: her top above that puts her in it, and the
// flame (from 48 px over her top) reaches it only when cast with her top above 144. One frame
// of a hop lifts her 20 px and the next 18, then she falls: from the meadow (top 160) the cast
// goes out at 140 and she never rises past 122.
constexpr int kBodyBottom = 96, kFlameReach = 144;
constexpr size_t kLookAhead = 12;
// The view origins between which the meadow's ground is level.
constexpr int kMeadowWest = 32, kMeadowEast = 45;

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

void Press(KeySet& keys, const Move& m) {
  if (m.dir > 0) keys.set(static_cast<int>(Key::Right));
  if (m.dir < 0) keys.set(static_cast<int>(Key::Left));
  if (m.jump) keys.set(static_cast<int>(Key::Z));
}

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
  // Scores a first move held for `held` frames, then standing: untouched best, else touched
  // late and briefly; never up into a flyer's body nor off the level ground.
  auto score = [&](Move m, size_t held) {
    Body b = now;
    std::vector<Body> path;
    int s = 0;
    for (size_t k = 0; k < kLookAhead; ++k) {
      if (!StepBody(g, b, k < held ? m : Move{})) return -1000000;
      if (Top(b) <= kBodyBottom) s -= 60000;
      path.push_back(b);
    }
    const int contact = FirstContact(g, seen, path);
    s += contact == 0 ? 100000 : contact * 1000 - 10 * ContactFrames(g, seen, path);
    s -= 100 * std::max({0, kMeadowWest - b.originX, b.originX - kMeadowEast});
    return s;
  };

  if (hopAge_ == 0) {
    // The hop's second frame: cast from its height, and let go of the jump.
    hopAge_ = -1;
    if (Top(now) < kFlameReach && Top(now) > kBodyBottom && mp >= 40) {
      keys.set(static_cast<int>(Key::C));
      return keys;
    }
  }
  // A hop now reaches casting height a frame on; it is worth it when the flame would burn a
  // flyer for most of its life. Facing east, she turns first (a step west).
  const bool readyToCast = mp >= kFireCost && !now.jumping && now.lift == 0;
  if (readyToCast && !FacingLeft(g) && BurnFrames(g, 3) >= 8) {
    keys.set(static_cast<int>(Key::Left));
    return keys;
  }
  if (readyToCast && FacingLeft(g) && BurnFrames(g, 1) >= 8 && score({0, true}, 1) >= 99000) {
    hopAge_ = 0;
    keys.set(static_cast<int>(Key::Z));
    return keys;
  }
  // Otherwise keep clear of what comes, with as little moving as will do.
  static constexpr Move kDodges[] = {{0, false}, {1, false}, {-1, false},
                                     {0, true},  {1, true},  {-1, true}};
  Move best;
  int bestScore = -2000000;
  for (const Move& m : kDodges) {
    for (const size_t held : {size_t{1}, size_t{4}, kLookAhead}) {
      int s = score(m, held);
      if (m.dir != 0) s -= 5;
      if (m.dir > 0) s -= 5;  // facing east, she must turn before she casts
      if (m.jump) s -= 5;
      if (s > bestScore) {
        bestScore = s;
        best = m;
      }
    }
  }
  Press(keys, best);
  // The meadow's own enemies are shot as they come.
  const int dir = best.dir != 0 ? best.dir : FacingLeft(g) ? -1 : 1;
  if (mp >= 10 && EnemyInLine(g, dir, 200, false)) keys.set(static_cast<int>(Key::X));
  return keys;
}

}  // namespace autoplay
