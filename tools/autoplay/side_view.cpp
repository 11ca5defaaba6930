#include "side_view.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "threats.h"

namespace autoplay {

namespace {

using korvela::Game;
using korvela::kTileSize;

bool Solid(const Game& g, const Body& b, int column, int rowOffset) {
  const int x = b.originX + column;
  const int y = g.MapOriginY + b.row + rowOffset;
  if (!g.MapLayer1.Contains(x, y)) return true;
  return g.MapLayer1(x, y) >= 128;
}

bool Ground(const Game& g, const Body& b) {
  return Solid(g, b, 7, 2) || (b.scrollX > 0 && Solid(g, b, 8, 2));
}

bool MapChangeCode(uint8_t code) {
  return (code >= 32 && code <= 45) || code == 51 || code == 52 || code == 58 || code == 60 ||
         code == 61 || code == 185;
}

uint64_t Key(const Body& b) {
  return (static_cast<uint64_t>(b.originX & 0xfff) << 40) |
         (static_cast<uint64_t>(b.scrollX & 0xff) << 32) |
         (static_cast<uint64_t>(b.row & 0xff) << 24) |
         (static_cast<uint64_t>(b.lift & 0xff) << 16) | (static_cast<uint64_t>(b.jumping) << 15) |
         static_cast<uint64_t>(b.jumpCount & 0x7fff);
}

constexpr std::array<Move, 6> kMoves = {
    {{1, false}, {1, true}, {-1, false}, {-1, true}, {0, false}, {0, true}}};

// The bound on the search: a stage is at most 256 columns, and the states a run can reach
// there are a few hundred thousand.
constexpr size_t kMaxStates = 1500000;

// How long she goes on without a way before looking for one again.
constexpr uint64_t kRetryFrames = 25;

// How many frames ahead she looks for enemies in her way.
constexpr size_t kLookAhead = 16;

}  // namespace

Body ReadBody(const Game& g) {
  return {g.MapOriginX,           g.ScrollX,  g.Player.PlayerY, g.ScrollY,
          g.Player.Jumping == -1, g.JumpCount};
}

uint8_t CodeAt(const Game& g, const Body& b) {
  const int x = b.originX + 7;
  const int y = g.MapOriginY + b.row;
  return g.MapLayer2.Contains(x, y) ? g.MapLayer2(x, y) : 0;
}

bool StepBody(const Game& g, Body& b, Move m) {
  if (Ground(g, b) && b.lift == 0 && m.jump) b.jumping = true;
  if (b.jumping) {
    b.jumpCount += 1;
    const int lift = 22 - 2 * b.jumpCount;
    b.lift += lift;
    if (b.lift >= kTileSize) {
      b.row -= 1;
      b.lift -= kTileSize;
    }
    if (!m.jump || lift <= 0) {
      b.jumping = false;
      b.jumpCount = 0;
    }
  } else {
    if (!Ground(g, b)) {
      b.jumpCount += 1;
      b.lift = std::max(b.lift - 2 * b.jumpCount, -kTileSize);
      if (b.lift < 0) {
        b.row += 1;
        b.lift += kTileSize;
      }
      if (b.row > 14) return false;
    }
    if (Ground(g, b)) {
      b.lift = 0;
      b.jumpCount = 0;
    }
  }
  if (m.dir > 0) {
    if (!Solid(g, b, 8, 0) && !Solid(g, b, 8, 1)) {
      b.scrollX += 8;
      if (b.scrollX >= kTileSize) {
        b.scrollX = 0;
        b.originX += 1;
      }
    }
  } else if (m.dir < 0) {
    if (b.scrollX > 0) {
      b.scrollX -= 8;
    } else if (!Solid(g, b, 6, 0) && !Solid(g, b, 6, 1)) {
      b.originX -= 1;
      b.scrollX = 24;
    }
  }
  return true;
}

std::vector<Move> PlanMoves(const Game& g, const Body& start,
                            const std::function<bool(uint8_t)>& goal) {
  struct Node {
    Body body;
    int parent;
    Move move;
  };
  std::vector<Node> nodes{{start, -1, {}}};
  std::unordered_map<uint64_t, int> seen{{Key(start), 0}};
  for (size_t head = 0; head < nodes.size() && nodes.size() < kMaxStates; ++head) {
    for (const Move& m : kMoves) {
      Body b = nodes[head].body;
      if (!StepBody(g, b, m)) continue;
      if (!seen.emplace(Key(b), static_cast<int>(nodes.size())).second) continue;
      const uint8_t code = CodeAt(g, b);
      nodes.push_back({b, static_cast<int>(head), m});
      if (goal(code)) {
        std::vector<Move> moves;
        for (int i = static_cast<int>(nodes.size()) - 1; nodes[i].parent >= 0;
             i = nodes[i].parent) {
          moves.push_back(nodes[i].move);
        }
        std::reverse(moves.begin(), moves.end());
        return moves;
      }
      // Another map change would end the stage somewhere else.
      if (MapChangeCode(code)) nodes.pop_back(), seen[Key(b)] = -1;
    }
  }
  return {};
}

void StageRunner::Replan(const Game& g, const Body& now) {
  plan_ = PlanMoves(g, now, goal_);
  expected_.clear();
  Body b = now;
  for (const Move& m : plan_) {
    StepBody(g, b, m);
    expected_.push_back(b);
  }
  if (!expected_.empty() && expected_.back().originX != now.originX) {
    goalDir_ = expected_.back().originX > now.originX ? 1 : -1;
  }
  next_ = 0;
  ++replans_;
  if (plan_.empty()) failedAt_ = frames_;
}

Move StageRunner::Choose(const Game& g, const Body& now) {
  const auto enemies = SeeEnemies(g);
  // The plan's next frames, as far as the look ahead goes.
  std::vector<Body> path;
  if (!dodging_) {
    for (size_t i = next_; i < expected_.size() && path.size() < kLookAhead; ++i) {
      path.push_back(expected_[i]);
    }
    if (!path.empty() && FirstContact(g, enemies, path) == 0) return plan_[next_++];
  }
  // Something is in the way, or she is already off the plan: try each move held for the look
  // ahead and take the one that keeps clear longest and gets furthest.
  Move best;
  int bestScore = -1000000;
  bool bestClear = false;
  for (const Move& m : kMoves) {
    Body b = now;
    path.clear();
    bool alive = true;
    for (size_t k = 0; k < kLookAhead && alive; ++k) {
      alive = StepBody(g, b, m);
      path.push_back(b);
    }
    if (!alive) continue;
    const int contact = FirstContact(g, enemies, path);
    const int progress =
        (b.originX * kTileSize + b.scrollX) - (now.originX * kTileSize + now.scrollX);
    const int score =
        (contact == 0 ? 100000 : contact * 1000) + progress * goalDir_ - (m.jump ? 1 : 0);
    if (score > bestScore) {
      bestScore = score;
      best = m;
      bestClear = contact == 0;
    }
  }
  // Back to a plan once the way ahead is clear and she stands on the ground.
  const bool calm = bestClear && best.dir == goalDir_ && now.lift == 0 && !now.jumping;
  if (dodging_ && calm) {
    dodging_ = false;
    Replan(g, now);
    if (next_ < plan_.size()) return plan_[next_++];
  } else {
    dodging_ = true;
  }
  return best;
}

KeySet StageRunner::Decide(const Game& g) {
  // The attacks she has been given go on her keys: the stronger shot on X, the fire on C.
  const auto& flags = g.Player.StoryFlags;
  const bool wantX = flags[7] == 1 && g.Player.WeaponX != 1;
  const bool wantC = flags[10] == 1 && g.Player.WeaponC != 2;
  if ((wantX || wantC) && !selectHeld_) {
    selectHeld_ = true;
    KeySet keys;
    keys.set(static_cast<int>(wantX ? platform::Key::S : platform::Key::D));
    return keys;
  }
  selectHeld_ = false;
  ++frames_;
  if (const korvela::EnemyRecord* boss = BossToFight(g)) {
    fighting_ = true;
    return fighter_.Decide(g, *boss);
  }
  const Body now = ReadBody(g);
  if (fighting_) {
    fighting_ = false;
    dodging_ = false;
    Replan(g, now);
  }
  const bool onPlan = next_ > 0 && next_ <= expected_.size() && expected_[next_ - 1] == now;
  // A search that found no way is long; it is tried again only now and then (a way may open
  // when a boss falls).
  const bool mayReplan = plan_.size() > 0 || frames_ - failedAt_ >= kRetryFrames;
  if (!dodging_ && (!onPlan || next_ >= plan_.size()) && mayReplan) Replan(g, now);
  const Move m = Choose(g, now);
  KeySet keys;
  if (m.dir > 0) keys.set(static_cast<int>(platform::Key::Right));
  if (m.dir < 0) keys.set(static_cast<int>(platform::Key::Left));
  if (m.jump) keys.set(static_cast<int>(platform::Key::Z));
  // Shoot at whatever stands in line ahead of her, in the direction she will face.
  const int facing = m.dir != 0 ? m.dir : (g.Player.Facing == 1 || g.Player.Facing == 3 ? -1 : 1);
  if (EnemyInLine(g, facing, 320)) keys.set(static_cast<int>(platform::Key::X));
  return keys;
}

}  // namespace autoplay
