// The four enemy kinds' movement, their leaving the area, their animation and the damage they do
// by touching the heroine.
#include <cmath>

#include "enemies/enemies.h"
#include "enemies/enemy_shared.h"

namespace korvela {

namespace {

constexpr int kEnemySlots = 10;

// Kind 0 flies straight across at 8 pixels a frame.
void MoveFlyer(Game&, EnemyRecord& e) {
  e.DX = e.Dir == 0 ? -8.0f : 8.0f;
  e.X += e.DX;
}

// Kind 1 homes in on a point in the heroine's row at 4 pixels a frame. Exactly on that point it
// has no direction and stays where it is for the frame.
void MoveHoming(Game& g, EnemyRecord& e) {
  const float dx = 232 - e.X;
  const float dy = static_cast<float>(g.Player.PlayerY * 32 + 16) - e.Y;
  const float d = std::sqrt(dx * dx + dy * dy);
  if (d > 0) {
    e.DX = dx * 4 / d;
    e.DY = dy * 4 / d;
  } else {
    e.DX = 0;
    e.DY = 0;
  }
  e.X += e.DX;
  e.Y += e.DY;
  e.Dir = e.X > 224 ? 0 : 1;
}

// Walkers and runners turn when the cell ahead of them at body height blocks (the turn shows
// from the next frame on) and drop a whole row when nothing is under them.
void TurnAtWall(const Game& g, EnemyRecord& e, int reachRight) {
  const int c = CellIndex(e.X);
  const int w = CellIndex(e.Y);
  if (e.Dir == 0) {
    if (CellBlocks(g, c, w + 1)) e.Dir = 1;
  } else {
    if (CellBlocks(g, c + reachRight, w + 1)) e.Dir = 0;
  }
}

void DropIntoGap(const Game& g, EnemyRecord& e) {
  if (!CellBlocks(g, CellIndex(e.X) + 1, CellIndex(e.Y) + 2)) e.Y += 32;
}

// Kind 2 walks at 6.
void MoveWalker(Game& g, EnemyRecord& e) {
  e.DX = e.Dir == 0 ? -6.0f : 6.0f;
  TurnAtWall(g, e, 2);
  e.X += e.DX;
  DropIntoGap(g, e);
}

// Kind 3 runs at 8 and now and then dashes at 16: a dash keeps its speed through a turn's first
// frame, and each frame one roll in ten ends a dash and one in ten starts one.
void MoveRunner(Game& g, EnemyRecord& e) {
  if (e.Dir == 0) {
    if (e.DX != -16) e.DX = -8;
  } else {
    if (e.DX != 16) e.DX = 8;
  }
  TurnAtWall(g, e, 3);
  e.X += e.DX;
  DropIntoGap(g, e);
  if (Int(Rnd(g) * 10) == 1 && e.DX == -16) e.DX = -8;
  if (Int(Rnd(g) * 10) == 2 && e.DX == -8) e.DX = -16;
  if (Int(Rnd(g) * 10) == 1 && e.DX == 16) e.DX = 8;
  if (Int(Rnd(g) * 10) == 2 && e.DX == 8) e.DX = 16;
}

using MoveRule = void (*)(Game&, EnemyRecord&);
constexpr MoveRule kMoves[] = {MoveFlyer, MoveHoming, MoveWalker, MoveRunner};

bool InsideArea(const EnemyRecord& e) {
  return e.X >= -224 && e.X <= 640 && e.Y >= -16 && e.Y <= 384;
}

// Five frames of 0.4 each: the sum is taken in double and stored as a float, so a cycle shows
// frames 0..4 for 3, 2, 3, 2 and 3 frames.
void StepAnimation(EnemyRecord& e) {
  e.Anim = static_cast<float>(static_cast<double>(e.Anim) + 0.4);
  if (e.Anim >= 5) e.Anim = 0;
}

// The runner's picture is wider, so its touching band is too.
bool TouchesHeroine(const EnemyRecord& e, int heroTop) {
  const bool across =
      e.Kind == 3 ? (e.X < 240 && 240 < e.X + 80) : (224 < e.X + 16 && e.X + 16 < 256);
  return across && e.Y + 42 > static_cast<float>(heroTop) &&
         e.Y + 22 < static_cast<float>(heroTop + 64);
}

}  // namespace

void MoveEnemies(Game& g) {
  for (int i = 0; i < kEnemySlots; ++i) {
    EnemyRecord& e = g.Enemies[i];
    if (e.Active != -1) continue;
    if (e.Kind >= 0 && e.Kind <= 3) kMoves[e.Kind](g, e);
    if (!InsideArea(e)) e.Active = 0;
    // An enemy freed just now still steps its animation and may still touch her this frame.
    StepAnimation(e);
    if (TouchesHeroine(e, HeroTop(g))) HurtHeroine(g, 10);
  }
}

}  // namespace korvela
