#include "boss_fight.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "side_view.h"
#include "threats.h"

namespace autoplay {

namespace {

using korvela::Game;
using platform::Key;

constexpr int kFireKind = 2;
constexpr float kFireCost = 40;  // the least MP a cast needs
constexpr float kShotCost = 10;
// The boss's left edge, in screen pixels, at which each kind's body reaches her centre line
// (at 240): she stays beyond it.
constexpr std::array<float, 4> kCrushEdge = {240, 240, 264, 264};
// The fire pillar burns from 272 to 304 on screen when she faces right.
constexpr float kFireNear = 272, kFireFar = 300;
// Shots fly to the screen's right edge: a boss whose left edge is nearer is hit.
constexpr float kShotReach = 520;
constexpr size_t kLookAhead = 16;
// Standing this long with the boss still beyond the screen's right edge, she is held by a step.
constexpr int kStuckFrames = 50;
constexpr float kOffScreen = 480;
constexpr int kClimbFrames = 10;

float Progress(const Body& from, const Body& to) {
  return static_cast<float>((to.originX - from.originX) * korvela::kTileSize + to.scrollX -
                            from.scrollX);
}

bool HasFire(const Game& g) { return g.Player.WeaponC == kFireKind; }

}  // namespace

const korvela::EnemyRecord* BossToFight(const Game& g) {
  for (const auto& b : g.Bosses) {
    const bool fought = (b.Kind >= 0 && b.Kind <= 3) || b.Kind == 6 || b.Kind == 7;
    if (b.Active == -1 && fought && b.Hp > 0) return &b;
  }
  return nullptr;
}

KeySet BossFighter::Decide(const Game& g, const korvela::EnemyRecord& boss) {
  const Body now = ReadBody(g);
  const auto seen = SeeEnemies(g);
  const bool runner = boss.Kind >= 6;
  const float crush = runner ? 0 : kCrushEdge[static_cast<size_t>(boss.Kind)];
  const float mp = g.Player.PlayerMp;
  // The walker comes to her, and the fire does it twice the harm of shots for the MP: she
  // waits for it where the pillar will stand. A boss that stands and shoots is fought from
  // afar, where its bullets can be seen coming.
  const bool useFire = HasFire(g) && boss.Kind == 2;
  const bool fireReady = useFire && mp >= kFireCost;
  const float want = fireReady ? (kFireNear + kFireFar) / 2 : crush + 150;
  // A walking boss comes 4 pixels a frame closer.
  const float walk = boss.Kind == 2 ? -4.0f : 0.0f;

  // Each first move held for one frame, then what she does next: stand still before a boss
  // that stands, run from one that walks at her; or the move held the whole look ahead (a full
  // jump, or a run away).
  // She turns to an enemy that has come close, to shoot it before it reaches her; else to
  // the boss.
  int faceTo = runner && boss.X + 64 < 240 ? -1 : 1;
  float nearest = 160;
  for (const auto& e : g.Enemies) {
    if (e.Active != -1) continue;
    const float mid = e.X + (e.Kind == 3 ? 40.0f : 16.0f);
    if (std::abs(mid - 240) < nearest) {
      nearest = std::abs(mid - 240);
      faceTo = mid < 240 ? -1 : 1;
    }
  }
  const Move then = boss.Kind == 2 ? Move{-1, false} : Move{};
  struct Try {
    Move first;
    bool hold;
  };
  static constexpr Move kMoves[] = {{1, false}, {1, true},  {-1, false},
                                    {-1, true}, {0, false}, {0, true}};
  Move best;
  float bestScore = -1e9f;
  for (const Move& m : kMoves) {
    for (const bool hold : {false, true}) {
      Body b = now;
      std::vector<Body> path;
      bool alive = true;
      float edgeAfterOne = 0;
      for (size_t k = 0; k < kLookAhead && alive; ++k) {
        alive = StepBody(g, b, k == 0 || hold ? m : then);
        path.push_back(b);
        if (k == 0) edgeAfterOne = boss.X + walk - Progress(now, b);
      }
      if (!alive) continue;
      const int contact = FirstContact(g, seen, path);
      const int touching = ContactFrames(g, seen, path);
      const float edgeEnd = boss.X + walk * kLookAhead - Progress(now, b);
      // Untouched is best; else touched as late, and in as few frames, as can be.
      float score = contact == 0 ? 100000.0f
                                 : static_cast<float>(contact) * 1000.0f -
                                       static_cast<float>(touching) * 10.0f;
      // Never within the boss's body by the end of the look ahead.
      if (!runner && edgeEnd <= crush + 8) score -= 50000;
      // A runner crosses the screen too fast to keep a distance from: she stays put.
      score -= runner ? std::abs(Progress(now, b)) / 8 : std::abs(edgeAfterOne - want);
      // Facing the boss lets her shots and fire go its way.
      const int facing =
          m.dir != 0 ? m.dir : (g.Player.Facing == 1 || g.Player.Facing == 3 ? -1 : 1);
      if (facing == faceTo) score += 20;
      if (m.jump) score -= 5;
      if (hold) score -= 1;
      if (score > bestScore) {
        bestScore = score;
        best = m;
      }
    }
  }

  // Against a step between her and a boss not yet on the screen every move looks alike on its
  // first frame, so she would stand there for good: after a while she jumps it, holding the
  // jump for a full rise.
  const std::array<int, 4> at{now.originX, now.scrollX, now.row, now.lift};
  stillFrames_ = at == lastAt_ ? stillFrames_ + 1 : 0;
  lastAt_ = at;
  if (!runner && boss.Kind != 2 && stillFrames_ >= kStuckFrames && boss.X >= kOffScreen) {
    climbFrames_ = kClimbFrames;
    climbDir_ = boss.X > want ? 1 : -1;
  }
  if (climbFrames_ > 0) {
    --climbFrames_;
    best = {climbDir_, true};
  }
  KeySet keys;
  if (best.dir > 0) keys.set(static_cast<int>(Key::Right));
  if (best.dir < 0) keys.set(static_cast<int>(Key::Left));
  if (best.jump) keys.set(static_cast<int>(Key::Z));
  const int facing =
      best.dir != 0 ? best.dir : (g.Player.Facing == 1 || g.Player.Facing == 3 ? -1 : 1);
  Body next = now;
  StepBody(g, next, best);
  const float edge = boss.X - Progress(now, next);
  if (facing > 0) {
    if (fireReady && edge > crush && edge >= kFireNear - 4 && edge <= kFireFar && !castHeld_) {
      keys.set(static_cast<int>(Key::C));
      castHeld_ = true;
    } else {
      castHeld_ = false;
    }
    // With the fire, whose MP does twice the harm, shots at the boss only use MP that would
    // otherwise be wasted at the top of the bar; and two shots are kept for the enemies that
    // come with it.
    const bool enemies = std::any_of(g.Enemies.begin(), g.Enemies.end(),
                                     [](const korvela::EnemyRecord& e) { return e.Active == -1; });
    const float reserve = useFire   ? g.Player.PlayerMaxMp - 2 * kShotCost
                          : enemies ? 2 * kShotCost
                                    : 0;
    if (mp >= kShotCost && EnemyInLine(g, 1, 320, false)) {
      keys.set(static_cast<int>(Key::X));
    } else if (edge < kShotReach && mp >= kShotCost + reserve && EnemyInLine(g, 1, 480)) {
      keys.set(static_cast<int>(Key::X));
    }
  } else {
    castHeld_ = false;
    if (EnemyInLine(g, -1, 320)) keys.set(static_cast<int>(Key::X));
  }
  return keys;
}

}  // namespace autoplay
