// The bosses' bullets: aimed at the heroine when fired, then flying straight at a fixed speed
// until they leave the area; each can hurt her through the usual protection.
#include <cmath>

#include "enemies/enemies.h"
#include "enemies/enemy_shared.h"
#include "game/music.h"

namespace korvela {

namespace {

constexpr int kBulletSlots = 5;  // EnemyShots 0..4; the rest of the table stays unused
constexpr int kBulletSize = 32;

// The aimed part of one axis plus an error of 0..3 pixels with the shared sign.
int16_t AimedStep(Game& g, int sign, float aimed) {
  const int error = Int(Rnd(g) * 4) * sign;
  return CInt(static_cast<double>(error) + static_cast<double>(aimed));
}

}  // namespace

void EnemyFire(Game& g, float x, float y) {
  // The sign of the aiming error is drawn first, even when the table turns out to be full, so
  // the generator moves on the same way whatever the table holds.
  const int sign = Int(Rnd(g) * 2) == 1 ? 1 : -1;
  EnemyShotRecord* shot = nullptr;
  for (int i = 0; i < kBulletSlots && !shot; ++i) {
    if (g.EnemyShots[i].Active == 0) shot = &g.EnemyShots[i];
  }
  if (!shot) return;

  shot->Active = -1;
  shot->X = CInt(x);
  shot->Y = CInt(y);
  shot->Speed = 12;

  // Aim at the middle of the heroine's body, from the unrounded start point.
  const float tx = 240 - x;
  const float ty = static_cast<float>(g.Player.PlayerY * 32 + 32) - y;
  const float d = std::sqrt(ty * ty + tx * tx);
  // A bullet fired exactly at that point has no direction: it gets no aimed movement at all
  // (the error draws still happen, so the generator moves on as for any other bullet).
  const bool aimable = d > 0;
  const float speed = shot->Speed;
  const int16_t dx = AimedStep(g, sign, aimable ? speed * tx / d : 0.0f);
  const int16_t dy = AimedStep(g, sign, aimable ? ty * speed / d : 0.0f);
  shot->DX = aimable ? dx : 0;
  shot->DY = aimable ? dy : 0;

  // A walking heroine is led by 4 pixels a frame in her direction.
  if (g.Player.AnimStep != 0) {
    if (g.Player.Facing == 0) shot->DX = static_cast<int16_t>(shot->DX + 4);
    if (g.Player.Facing == 1) shot->DX = static_cast<int16_t>(shot->DX - 4);
  }
  PlaySe(g, "shot.wav");
}

void EnemyShotsHitPlayer(Game& g) {
  const int top = HeroTop(g);
  for (int i = 0; i < kBulletSlots; ++i) {
    EnemyShotRecord& s = g.EnemyShots[i];
    if (s.Active != -1) continue;
    s.X = static_cast<int16_t>(s.X + s.DX);
    s.Y = static_cast<int16_t>(s.Y + s.DY);
    // Sideways a bullet may stray a third of a screen to the left or half a screen to the
    // right; leaving through the top or the bottom frees it at once.
    if (s.X < -g.ScreenWidth / 3 || s.X > g.ScreenWidth + g.ScreenWidth / 2 || s.Y < 0 ||
        s.Y > 384) {
      s.Active = 0;
    }
    // The bullet's centre touching her body hurts even in the frame it was freed; the bullet
    // itself flies on.
    const int cx = s.X + kBulletSize / 2;
    const int cy = s.Y + kBulletSize / 2;
    if (224 < cx && cx < 256 && top < cy && cy < top + 64) HurtHeroine(g, 10);
  }
}

void DrawEnemyShots(Game& g) {
  for (int i = 0; i < kBulletSlots; ++i) {
    const EnemyShotRecord& s = g.EnemyShots[i];
    if (s.Active != -1) continue;
    g.Crt.DrawMasked(s.X, s.Y, kBulletSize, kBulletSize, g.sonota, 0, 0, 0, kBulletSize);
  }
}

}  // namespace korvela
