// The two flying bosses (kinds 4 and 5): they sweep back and forth high above the heroine,
// turning far outside the screen, and fire as they approach her through a narrow window.
#include "enemies/boss_kinds.h"
#include "enemies/enemy_shared.h"

namespace korvela {

namespace {

struct Flight {
  float speed;        // pixels a frame
  int volley;         // bullets per shot
  float rightWindow;  // the firing window's left end when flying right, from PX
};

// A turn point's random distance beyond its threshold, in pixels.
float Far(Game& g, int n) { return static_cast<float>(RandomBelow(g, n)); }

void Fly(Game& g, EnemyRecord& b, const Flight& f) {
  // The turns compare with the tile column itself, the window with its pixels.
  const auto tileX = static_cast<float>(g.Player.PlayerX);
  const auto px = static_cast<float>(g.Player.PlayerX * kTileSize);
  // Each turn point is chosen afresh every frame, up to 200 pixels further out.
  if (Far(g, 200) + b.X + 600 <= tileX) {
    b.Dir = 1;
    b.DX = f.speed;
  }
  if (Far(g, 200) + tileX + 600 <= b.X) {
    b.Dir = 0;
    b.DX = -f.speed;
  }
  b.X += b.DX;  // the height never changes

  CountUp(b.Timer);
  if (b.Timer % 4 == 0) {
    StepAnim(b, 5);
    b.Timer = 0;
    // The window is only looked at every fourth frame, so a fast pass may skip it.
    const bool fromRight = b.Dir == 0 && px + 160 < b.X && b.X < px + 224;
    const bool fromLeft = b.Dir == 1 && px + f.rightWindow < b.X && b.X < px + f.rightWindow + 64;
    if (fromRight || fromLeft) {
      const float x = fromRight ? b.X + 5 : b.X + 300;
      for (int i = 0; i < f.volley; ++i) Shoot(g, x, b.Y + 128);
    }
  }

  // The body hangs below the boss's top; which part touches depends on its heading.
  const float top = static_cast<float>(HeroTop(g));
  const float hx = px + 16;
  const bool across =
      b.Dir == 1 ? (b.X + 100 < hx && hx < b.X + 270) : (b.X + 10 < hx && hx < b.X + 200);
  if (across && b.Y + 96 < top && top < b.Y + 192) HurtHeroine(g, 20);
}

}  // namespace

void FlyingBoss4(Game& g, EnemyRecord& b) { Fly(g, b, {16, 1, -448}); }

void FlyingBoss5(Game& g, EnemyRecord& b) { Fly(g, b, {20, 4, -512}); }

}  // namespace korvela
