#pragma once
// A side-view stage in memory for the enemy tests: a 64-cell map with the view at (10, 10), the
// heroine in screen column 7, row 5, no pixel scroll, and helpers to build walls and count sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "support/test_game.h"

namespace korvela::testing {

struct EnemyStage : ::testing::Test {
  TestGame t;
  Game& g = t.g;

  void SetUp() override {
    SetUpPlayScreen(g);
    SetNewGameStats(g);
    g.MapLayer1.Reset(64);
    g.MapLayer2.Reset(64);
    g.MapSize = 63;
    g.GameMode = 1;
    g.MapOriginX = 10;
    g.MapOriginY = 10;
    g.Player.PlayerX = 7;
    g.Player.PlayerY = 5;
    g.Rng.seed(1);
  }
  // Sets the map cell shown at screen column a, row b.
  void Cell(int a, int b, uint8_t tile = 130) { g.MapLayer1(10 + a, 10 + b) = tile; }
  void Floor(int row) {
    for (int a = -10; a < 54; ++a) Cell(a, row);
  }
  int Sounds(const std::string& name) const {
    const auto sounds = t.Effects("sound");
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
  }
  static int Active(const auto& table) {
    return static_cast<int>(
        std::count_if(table.begin(), table.end(), [](const auto& r) { return r.Active == -1; }));
  }
  // The generator as it would be after `draws` more numbers, for checking how many were taken.
  std::mt19937 After(std::mt19937 rng, int draws) const {
    rng.discard(static_cast<unsigned long long>(draws));
    return rng;
  }
  // A fresh record in a slot of Enemies or Bosses, active, at (x, y) facing dir.
  template <size_t N>
  EnemyRecord& PlaceIn(std::array<EnemyRecord, N>& table, int slot, int16_t kind, float x, float y,
                       int16_t dir = 0) {
    EnemyRecord& e = table[static_cast<size_t>(slot)];
    e = EnemyRecord{};
    e.Active = -1;
    e.Kind = kind;
    e.X = x;
    e.Y = y;
    e.Dir = dir;
    return e;
  }
  EnemyRecord& Place(int slot, int16_t kind, float x, float y, int16_t dir = 0) {
    return PlaceIn(g.Enemies, slot, kind, x, y, dir);
  }
};

}  // namespace korvela::testing
