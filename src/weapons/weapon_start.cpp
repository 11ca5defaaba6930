// Starting the heroine's attacks from keys X and C, and emptying the attack tables.
#include "game/keyboard.h"
#include "game/music.h"
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

using platform::Key;

constexpr uint8_t kFireCode = 2;
constexpr uint8_t kBombCode = 3;

// Every attack turns her into the attack pose of her side and steps her animation. Returns
// whether she attacks to the left.
bool TakeAttackPose(PlayerRecord& p) {
  const bool left = p.Facing == 1 || p.Facing == 3;
  p.Facing = left ? 3 : 2;
  p.AnimStep = static_cast<int16_t>((p.AnimStep + 1) % 5);
  return left;
}

// Her top edge on screen; each attack starts at an offset from it.
int16_t HeroineTop(const Game& g) {
  return static_cast<int16_t>(g.Player.PlayerY * kTileSize - g.ScrollY);
}

template <typename Table, typename Free>
int FirstFree(const Table& table, int slots, Free isFree) {
  for (int i = 0; i < slots; ++i) {
    if (isFree(table[i])) return i;
  }
  return -1;
}

// A shot of `code` from `key`; false when nothing started.
bool TryShot(Game& g, Key key, uint8_t code) {
  const bool pressed = KeyPressed(g, key);
  if (!(g.Player.PlayerMp >= 10 && code <= 1 && pressed && g.ShotReady == -1)) return false;
  const int slot =
      FirstFree(g.Shots, kShotSlots, [](const ShotRecord& s) { return s.Active == 0; });
  if (slot < 0) return false;
  ShotRecord& s = g.Shots[slot];
  s.Kind = code;
  const bool left = TakeAttackPose(g.Player);
  s.Heading = left ? 1 : 0;
  s.X = left ? 192 : 256;
  s.DX = left ? -16 : 16;
  s.Active = -1;
  s.Y = static_cast<int16_t>(HeroineTop(g) + 10);
  s.DY = 0;
  s.Power = code == 0 ? 1 : 2;
  g.Player.PlayerMp -= code == 0 ? 6.0f : 10.0f;
  PlaySe(g, "shot.wav");
  g.ShotReady = 0;
  return true;
}

// Both keys are read every time, X first, so each query sees its own presses.
bool EitherKeyStarts(Game& g, uint8_t code) {
  const bool x = KeyPressed(g, Key::X);
  const bool c = KeyPressed(g, Key::C);
  return (g.Player.WeaponC == code && c) || (g.Player.WeaponX == code && x);
}

}  // namespace

void FireShot(Game& g) {
  // Key C is not read at all in a frame in which X fired.
  if (TryShot(g, Key::X, g.Player.WeaponX)) return;
  TryShot(g, Key::C, g.Player.WeaponC);
}

void ThrowBomb(Game& g) {
  if (!EitherKeyStarts(g, kBombCode) || g.BombReady != -1) return;
  const int slot = FirstFree(g.Bombs, kBombSlots, [](const BombRecord& b) { return b.Phase == 0; });
  if (slot < 0) return;
  BombRecord& b = g.Bombs[slot];
  const bool left = TakeAttackPose(g.Player);
  b.X = left ? 192 : 256;
  b.DX = left ? -16 : 16;
  b.Phase = 1;
  b.Y = static_cast<int16_t>(HeroineTop(g) + 10);
  b.DY = -32;
  b.Power = 1;
  g.BombReady = 0;
}

void CastFire(Game& g) {
  if (!EitherKeyStarts(g, kFireCode) || g.FireLatch != 0) return;
  // The press is used up even when nothing is cast: the key must be let go before another try.
  g.FireLatch = -1;
  if (g.ShotReady != -1 || g.Player.PlayerMp < 40) return;
  const int slot = FirstFree(g.Fires, kFireSlots, [](const FireRecord& f) { return f.Phase == 0; });
  if (slot < 0) return;
  FireRecord& f = g.Fires[slot];
  const bool left = TakeAttackPose(g.Player);
  f.X = left ? 192 : 288;
  // A cast may leave MP below zero until the frame loop's clamp at the end of the frame.
  g.Player.PlayerMp -= 50;
  f.Phase = 1;
  f.Y = static_cast<int16_t>(HeroineTop(g) - 64);
  f.Power = 2;
  PlaySe(g, "fire04.wav");
  g.ShotReady = 0;
}

void ClearShots(Game& g) {
  for (int i = 0; i < kFireSlots; ++i) g.Fires[i].Phase = 0;
  for (int i = 0; i < kShotSlots; ++i) g.Shots[i].Active = 0;
  for (int i = 0; i < kBombSlots; ++i) g.Bombs[i].Phase = 0;
}

}  // namespace korvela
