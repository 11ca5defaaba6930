#pragma once
// A side-view stage for the attack tests: the heroine in screen row 5, full MP, both attacks
// ready, an open map of 64 x 64 cells seen from (10, 10), and enemies and bosses placed by hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "game/keyboard.h"
#include "shell/frame_loop.h"
#include "shell/window.h"
#include "support/test_game.h"
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela::testing {

struct Combat : ::testing::Test {
  explicit Combat(platform::HeadlessOptions options = {}) : t(std::move(options)) {
    Reset();
    t.platform.SetEventHandler(&events);
  }

  TestGame t;
  Game& g = t.g;
  ShellEvents events{g};

  // The starting stage: empty tables, ready attacks, her numbers of a new game.
  void Reset() {
    SetUpPlayScreen(g);
    SetNewGameStats(g);
    g.GameMode = 1;
    g.Player.PlayerX = 7;
    g.Player.PlayerY = 5;
    g.ShotReady = -1;
    g.BombReady = -1;
    g.MapSize = 63;
    g.MapLayer1.Reset(64);
    g.MapLayer2.Reset(64);
    g.MapOriginX = 10;
    g.MapOriginY = 10;
    g.ScrollY = 0;
    g.FireLatch = 0;
    g.ShotCoolCount = 0;
    g.BombCoolCount = 0;
    g.Shots = {};
    g.Fires = {};
    g.Bombs = {};
    g.Enemies = {};
    g.Bosses = {};
    FlushKeys(g);  // presses of an earlier case do not count
  }

  // The attack starts, their flight and hits, and the frame's bookkeeping, in the frame's order.
  void Frame() {
    FireShot(g);
    ThrowBomb(g);
    CastFire(g);
    ShotHits(g);
    BombHits(g);
    FireHits(g);
    CoolDownCounters(g);
    RegenerateMp(g);
    t.platform.Yield();  // key releases arrive here
  }

  EnemyRecord& PutEnemy(int slot, int16_t kind, float x, float y, int16_t hp) {
    return g.Enemies[slot] = Target(kind, x, y, hp);
  }
  EnemyRecord& PutBoss(int slot, int16_t kind, float x, float y, int16_t hp) {
    return g.Bosses[slot] = Target(kind, x, y, hp);
  }
  static EnemyRecord Target(int16_t kind, float x, float y, int16_t hp) {
    EnemyRecord e;
    e.Kind = kind;
    e.X = x;
    e.Y = y;
    e.Active = -1;
    e.Hp = hp;
    return e;
  }
  ShotRecord& PutShot(int slot, int16_t x, int16_t y, int16_t dx, uint8_t power = 1) {
    ShotRecord& s = g.Shots[slot];
    s = ShotRecord{x, y, dx, 0, -1, static_cast<int16_t>(dx < 0), 0, power};
    return s;
  }
  void SetTile(int screenCol, int screenRow, uint8_t tile) {
    g.MapLayer1(g.MapOriginX + screenCol, g.MapOriginY + screenRow) = tile;
  }

  long Sounds(const std::string& name) const {
    const auto sounds = t.Effects("sound");
    return std::count_if(sounds.begin(), sounds.end(),
                         [&](const std::string& s) { return s.ends_with(name); });
  }
  size_t SoundCount() const { return t.Effects("sound").size(); }
};

}  // namespace korvela::testing
