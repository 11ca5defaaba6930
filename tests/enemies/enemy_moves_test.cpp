// The four enemy kinds moving over a small stage, leaving it, animating and touching the heroine.
#include <cmath>

#include "enemies/enemies.h"
#include "enemy_stage.h"

namespace korvela {
namespace {

using testing::EnemyStage;
using testing::TestGame;

TEST_F(EnemyStage, StraightFlyerCrossesAndIsFreedInItsEightyNinthFrame) {
  g.HurtGuard = -1;  // it passes through her row; keep her out of it
  Place(0, 0, 480, 160, 0);
  for (int frame = 1; frame <= 88; ++frame) {
    MoveEnemies(g);
    ASSERT_EQ(g.Enemies[0].Active, -1) << "frame " << frame;
  }
  EXPECT_EQ(g.Enemies[0].X, -224);
  MoveEnemies(g);
  EXPECT_EQ(g.Enemies[0].X, -232);
  EXPECT_EQ(g.Enemies[0].Active, 0);
  EXPECT_EQ(g.Enemies[0].Y, 160);
}

TEST_F(EnemyStage, HomingFlyerMovesFourPixelsAFrameAndTurnsAtTheHeroine) {
  g.HurtGuard = -1;
  EnemyRecord& e = Place(0, 1, 0, 300, 0);
  float x = e.X, y = e.Y;
  std::vector<int16_t> dirs;
  for (int frame = 0; frame < 100; ++frame) {
    MoveEnemies(g);
    const float step = std::hypot(e.X - x, e.Y - y);
    const float left = std::hypot(232 - x, 176 - y);
    if (left >= 4) {
      EXPECT_NEAR(step, 4, 1e-3) << "frame " << frame;
    }
    EXPECT_EQ(e.Dir, e.X > 224 ? 0 : 1);
    dirs.push_back(e.Dir);
    x = e.X;
    y = e.Y;
  }
  EXPECT_EQ(dirs.front(), 1) << "coming in from the left";
  EXPECT_EQ(dirs.back(), 0) << "hovering about x 232, right of 224";
}

TEST_F(EnemyStage, HomingFlyerOnItsAimPointStaysPut) {
  g.HurtGuard = -1;
  // Four pixels left of the point (232, 176): one step lands on it exactly, the next has no
  // direction and must leave it there rather than divide by zero.
  EnemyRecord& e = Place(0, 1, 228, 176, 1);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 232);
  EXPECT_EQ(e.Y, 176);
  for (int frame = 0; frame < 3; ++frame) {
    MoveEnemies(g);
    EXPECT_EQ(e.X, 232);
    EXPECT_EQ(e.Y, 176);
    EXPECT_FALSE(std::isnan(e.DX) || std::isnan(e.DY));
    EXPECT_EQ(e.Active, -1);
    EXPECT_EQ(e.Dir, 0) << "232 lies right of 224";
  }
}

TEST_F(EnemyStage, WalkerDropsARowAFrameOntoTheFloorOrOutOfTheArea) {
  g.HurtGuard = -1;
  Floor(8);  // the walker's feet rest on row 8 once its top is in row 6
  EnemyRecord& e = Place(0, 2, 544, 1, 0);
  std::vector<float> ys;
  for (int frame = 0; frame < 8; ++frame) {
    MoveEnemies(g);
    ys.push_back(e.Y);
  }
  EXPECT_EQ(ys, (std::vector<float>{33, 65, 97, 129, 161, 193, 193, 193}));
  EXPECT_EQ(e.X, 544 - 8 * 6);

  // Without a floor it falls through the bottom and is freed.
  EnemyRecord& f = Place(1, 2, 300, 321, 0);
  MoveEnemies(g);
  EXPECT_EQ(f.Y, 353);
  EXPECT_EQ(f.Active, -1);
  MoveEnemies(g);
  EXPECT_EQ(f.Y, 385);
  EXPECT_EQ(f.Active, 0);
}

TEST_F(EnemyStage, WalkerTakesOneMoreStepIntoAWallThenTurns) {
  g.HurtGuard = -1;
  Floor(8);
  Cell(3, 7);  // a wall at body height in column 3
  EnemyRecord& e = Place(0, 2, 134, 193, 0);
  // Column of 134 is 4: the cell ahead (4, 7) is open, so it walks to 128 (column 4).
  MoveEnemies(g);
  EXPECT_EQ(e.X, 128);
  EXPECT_EQ(e.Dir, 0);
  // At 128 its own column's cell (4, 7) is open too; at 122 it is column 3, against the wall.
  MoveEnemies(g);
  EXPECT_EQ(e.X, 122);
  EXPECT_EQ(e.Dir, 0);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 116) << "the turning frame still steps left";
  EXPECT_EQ(e.Dir, 1);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 122);
  EXPECT_EQ(e.DX, 6);
  EXPECT_EQ(e.Y, 193);

  // Walking right it turns at the cell two columns ahead.
  Cell(7, 7);
  EnemyRecord& r = Place(1, 2, 160, 193, 1);  // column 5: cell (7, 7) blocks at once
  MoveEnemies(g);
  EXPECT_EQ(r.X, 166);
  EXPECT_EQ(r.Dir, 0);
}

TEST_F(EnemyStage, WalkerBeyondTheMapEdgeSeesOpenCells) {
  g.HurtGuard = -1;
  g.MapOriginX = 60;  // columns 4 and beyond of the view lie outside the 64-cell map
  g.MapOriginY = 60;
  EnemyRecord& e = Place(0, 2, 400, 1, 1);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 406);
  EXPECT_EQ(e.Y, 33) << "nothing under it outside the map, so it drops";
}

TEST_F(EnemyStage, RunnerKeepsADashUntilARollEndsItAndTurnsAtEight) {
  g.HurtGuard = -1;
  Floor(8);
  // Find seeds whose first four rolls give 1 (ends a left dash) or nothing that matters.
  auto rollsFor = [](uint32_t seed) {
    TestGame other;
    other.g.Rng.seed(seed);
    std::array<int, 4> rolls{};
    for (int& roll : rolls) roll = Int(Rnd(other.g) * 10);
    return rolls;
  };
  uint32_t keepSeed = 0, endSeed = 0;
  for (uint32_t seed = 1; seed < 2000 && (!keepSeed || !endSeed); ++seed) {
    const auto rolls = rollsFor(seed);
    if (!keepSeed && rolls[0] != 1) keepSeed = seed;
    if (!endSeed && rolls[0] == 1) endSeed = seed;
  }
  ASSERT_TRUE(keepSeed && endSeed);

  EnemyRecord& e = Place(0, 3, 400, 193, 0);
  e.DX = -16;
  g.Rng.seed(keepSeed);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 384);
  EXPECT_EQ(e.DX, -16);
  g.Rng.seed(endSeed);
  MoveEnemies(g);
  EXPECT_EQ(e.X, 368);
  EXPECT_EQ(e.DX, -8);

  // A dash into a wall: the turning frame still dashes left, the next runs right at 8.
  Cell(2, 7);
  EnemyRecord& w = Place(1, 3, 90, 193, 0);  // column 2 (rounded 90 / 32): the wall
  w.DX = -16;
  g.Rng.seed(keepSeed);
  MoveEnemies(g);
  EXPECT_EQ(w.Dir, 1);
  EXPECT_EQ(w.X, 74);
  g.Rng.seed(keepSeed);
  MoveEnemies(g);
  EXPECT_EQ(w.X, 82);
  EXPECT_TRUE(w.DX == 8 || w.DX == 16) << "a roll may start a new dash after the step";
}

TEST_F(EnemyStage, AnimationShowsFiveFramesOverThirteen) {
  g.HurtGuard = -1;
  EnemyRecord& e = Place(0, 0, 300, 0, 0);
  e.Y = 0;
  std::vector<int> shown;
  for (int frame = 0; frame < 26; ++frame) {
    shown.push_back(Int(e.Anim));
    e.X = 300;  // keep it on screen
    MoveEnemies(g);
  }
  const std::vector<int> cycle = {0, 0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4};
  std::vector<int> twice = cycle;
  twice.insert(twice.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(shown, twice);
}

// Contact with the heroine (column 7, top edge 160 with PlayerY 5): strict bounds on both axes.
// Positions are where the enemy stands after its move of 8 to the left; every cell blocks, so
// the runner neither falls nor changes speed this frame.
TEST_F(EnemyStage, ContactBoundsByKind) {
  struct Case {
    int16_t kind;
    float x, y;
    bool hurts;
  };
  const Case cases[] = {
      {0, 216, 160, true},                         // centre 232
      {0, 208, 160, false},                        // centre 224: the bound itself misses
      {0, 239, 160, true},                         // centre 255
      {0, 240, 160, false},                        // centre 256 misses
      {0, 230, 118, false},                        // Y + 42 = 160 = HeroTop misses
      {0, 230, 119, true},  {0, 230, 202, false},  // Y + 22 = 224 = HeroTop + 64 misses
      {0, 230, 201, true},  {3, 160, 160, false},  // X + 80 = 240 misses
      {3, 161, 160, true},                         // the wide band covers 240
      {3, 239, 160, true},  {3, 240, 160, false},  // X = 240 misses
  };
  for (int a = -10; a < 30; ++a)
    for (int b = -10; b < 20; ++b) Cell(a, b);
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " x " + std::to_string(c.x) + " y " +
                 std::to_string(c.y));
    g.HurtGuard = 0;
    g.Player.PlayerHp = 50;
    EnemyRecord& e = Place(0, c.kind, c.x + 8, c.y, 0);
    e.DX = -8;
    MoveEnemies(g);
    ASSERT_EQ(e.X, c.x);
    ASSERT_EQ(e.Y, c.y);
    EXPECT_EQ(g.Player.PlayerHp, c.hurts ? 40 : 50);
    EXPECT_EQ(g.HurtGuard, c.hurts ? -1 : 0);
  }
}

TEST_F(EnemyStage, TwoContactsInOneFrameCostTenOnceAndTheGuardHoldsThemOff) {
  Place(0, 0, 240, 160, 0);
  Place(1, 0, 240, 150, 0);
  MoveEnemies(g);
  EXPECT_EQ(g.Player.PlayerHp, 40);
  EXPECT_EQ(Sounds("scream.wav"), 1);
  EXPECT_EQ(g.HurtGuard, -1);
  EXPECT_EQ(Active(g.Enemies), 2) << "touching her does not harm the enemies";

  // While the guard holds they pass through without effect.
  Place(0, 0, 240, 160, 0);
  Place(1, 0, 240, 150, 0);
  MoveEnemies(g);
  EXPECT_EQ(g.Player.PlayerHp, 40);
  EXPECT_EQ(Sounds("scream.wav"), 1);

  g.HurtGuard = 0;
  Place(0, 0, 240, 160, 0);
  MoveEnemies(g);
  EXPECT_EQ(g.Player.PlayerHp, 30);
}

}  // namespace
}  // namespace korvela
