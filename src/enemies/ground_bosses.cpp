// The four bosses that stand on the ground and shoot from where they stand (kinds 0..3). They
// fall a whole row a frame until their feet meet blocking ground, and crush the heroine when
// she walks into them: their contact ignores the hurt protection and costs points every frame.
#include "enemies/boss_kinds.h"
#include "enemies/enemy_shared.h"
#include "game/music.h"

namespace korvela {

namespace {

// Drops one row while the cell under the boss's feet, one column in from its left edge, is open.
void Fall(const Game& g, EnemyRecord& b, int feetRow) {
  if (!BlocksAt(g, b, 1, feetRow)) b.Y += 32;
}

// The heroine's top edge strictly between the boss's top and top + height.
bool WithinHeight(const Game& g, const EnemyRecord& b, float height) {
  const float top = static_cast<float>(HeroTop(g));
  return b.Y < top && top < b.Y + height;
}

// Her centre line (screen x 240) strictly inside the boss's band.
bool AcrossCentre(float left, float right) { return left < 240 && 240 < right; }

// Kind 2 opens a passage of six rows over a blocking floor through the two columns on its left.
void TearDownWall(Game& g, const EnemyRecord& b) {
  const int c = BossColumn(b);
  const int w = BossRow(b);
  for (const int a : {c - 1, c - 2}) {
    for (int row = w; row <= w + 4; ++row) SetMapCell(g, a, row, 16);
    SetMapCell(g, a, w + 5, 112);
    SetMapCell(g, a, w + 6, 128);
  }
}

}  // namespace

void GroundBoss0(Game& g, EnemyRecord& b) {
  Fall(g, b, 6);
  CountUp(b.Timer);
  if (b.Timer > 30) {
    if (b.Timer % 5 == 0) StepAnim(b, 4);
    if (b.Anim == 3) {
      Shoot(g, b.X, b.Y + 64);
      b.Anim = 0;
      b.Timer = 0;
    }
  }
  if (AcrossCentre(b.X, b.X + 96) && WithinHeight(g, b, 192)) CrushHeroine(g, 30);
}

void GroundBoss1(Game& g, EnemyRecord& b) {
  Fall(g, b, 3);
  CountUp(b.Timer);
  if (b.Timer > RandomBelow(g, 20) + 10) {
    if (b.Timer % 5 == 0) StepAnim(b, 5);
    if (b.Anim == 3) {
      Shoot(g, b.X, b.Y + 32);
      b.Anim = 4;  // the frame after the shot stays until the next step
      b.Timer = 0;
    }
  }
  if (AcrossCentre(b.X, b.X + 32) && WithinHeight(g, b, 96)) CrushHeroine(g, 30);
}

void GroundBoss2(Game& g, EnemyRecord& b) {
  Fall(g, b, 6);
  CountUp(b.Timer);
  // Walks left while the way at its feet is open and no shot is being prepared.
  if (!BlocksAt(g, b, -1, 5) && b.FireTimer < 60) {
    b.Dir = 0;
    b.X -= 4;
    if (b.Timer % 4 == 0) StepAnim(b, 4);
  }
  // A wall in the way: it turns, winds up, and on frame 3 breaks through.
  if (BlocksAt(g, b, -1, 5)) {
    b.Dir = 1;
    if (b.Timer % 4 == 0) StepAnim(b, 4);
    if (b.Anim == 3) {
      TearDownWall(g, b);
      PlaySe(g, "daemon4.wav");
      b.Dir = 0;
      b.Anim = 0;
      b.Timer = 0;
    }
  }
  // Every 60 frames or so it stands turned to the right and fires.
  CountUp(b.FireTimer);
  if (b.FireTimer > 60) {
    b.Dir = 1;
    if (b.FireTimer % 4 == 0) StepAnim(b, 4);
    if (b.Anim == 3) {
      Shoot(g, b.X, b.Y + 64);
      b.Dir = 0;
      b.Anim = 0;
      b.FireTimer = 0;
    }
  }
  if (b.X < 264 && b.X + 192 > 240 && WithinHeight(g, b, 192)) CrushHeroine(g, 300);
}

void GroundBoss3(Game& g, EnemyRecord& b) {
  // Beaten, it lies where it fell: no fall, no shots, no contact, but it stays in the table.
  if (b.Hp < 1) return;
  Fall(g, b, 6);
  CountUp(b.Timer);
  if (b.Timer > 10) {
    if (b.Timer % 3 == 0) StepAnim(b, 4);
    if (b.Anim == 3) {
      Shoot(g, b.X - 16, b.Y + 64);
      b.Anim = 0;
      b.Timer = 0;
    }
  }
  if (b.X < 264 && b.X + 128 > 240 && WithinHeight(g, b, 192)) CrushHeroine(g, 300);
}

}  // namespace korvela
