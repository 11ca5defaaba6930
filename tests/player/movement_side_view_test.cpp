#include <gtest/gtest.h>

#include <vector>

#include "player/movement.h"
#include "player_test_maps.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

using platform::Key;

// A stage band: origin (10, 10), the heroine on screen row 5, her ground on screen row 7 (map
// row 17) all the way across.
struct SideView : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    MakeMap(g, 64, 1, 10, 10);
    FillMapRow(g, 17, 0, 63, kFloor);
    MovePlayer(g);  // settle on the ground
  }
  // Her top edge in screen pixels.
  int Top() const { return 32 * g.Player.PlayerY - g.ScrollY; }
};

TEST_F(SideView, HeldJumpRises110PixelsIn11Frames) {
  for (Key key : {Key::Z, Key::V}) {
    SCOPED_TRACE(platform::KeyName(key));
    SetUp();
    ASSERT_EQ(g.JumpCount, 0);
    t.platform.Press(key);
    std::vector<int> rises;
    for (int frame = 0; frame < 11; ++frame) {
      const int before = Top();
      MovePlayer(g);
      rises.push_back(before - Top());
    }
    EXPECT_EQ(rises, (std::vector<int>{20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 0}));
    EXPECT_EQ(160 - Top(), 110);
    EXPECT_EQ(g.Player.Jumping, 0) << "the apex ends the rise";
    // Still holding the key in the air does not start another jump: she comes down.
    const int apex = Top();
    MovePlayer(g);
    EXPECT_GT(Top(), apex);
    t.platform.Release(key);
  }
}

TEST_F(SideView, TapReleasedAfterThreeFramesRises54Pixels) {
  t.platform.Press(Key::Z);
  MovePlayer(g);
  MovePlayer(g);
  t.platform.Release(Key::Z);
  MovePlayer(g);
  EXPECT_EQ(160 - Top(), 20 + 18 + 16);
  EXPECT_EQ(g.Player.Jumping, 0);
  EXPECT_EQ(g.JumpCount, 0);
}

TEST_F(SideView, WalkingOffALedgeFallsFasterEachFrameAndLandsOnTheFirstSolidRow) {
  // The ledge ends under map column 17 (screen column 7); the next floor is screen row 11.
  FillMapRow(g, 17, 18, 63, kGrass);
  FillMapRow(g, 21, 0, 63, kFloor);
  t.platform.Press(Key::Right);
  for (int frame = 0; frame < 4; ++frame) MovePlayer(g);
  t.platform.Release(Key::Right);
  ASSERT_EQ(g.MapOriginX, 11);
  ASSERT_EQ(Top(), 160) << "still on the ledge while she overlaps it";

  std::vector<int> drops;
  while (drops.size() < 20) {
    const int before = Top();
    MovePlayer(g);
    drops.push_back(Top() - before);
    if (g.ScrollY == 0 && g.JumpCount == 0) break;  // landed
  }
  ASSERT_EQ(drops.size(), 10u);
  for (size_t i = 0; i + 1 < drops.size(); ++i) EXPECT_EQ(drops[i], 2 * int(i + 1)) << i;
  EXPECT_EQ(g.Player.PlayerY, 9);
  EXPECT_EQ(Top(), 9 * 32) << "she snaps down onto her row";
  MovePlayer(g);
  EXPECT_EQ(Top(), 9 * 32);
  EXPECT_EQ(g.GameOver, 0);
}

TEST_F(SideView, FallNeverSkipsARowAndSettlesAtOneRowPerFrame) {
  FillMapRow(g, 17, 0, 63, kGrass);
  g.Player.PlayerY = 0;
  g.MapOriginY = 0;
  for (int frame = 1; frame <= 25; ++frame) {
    const int before = Top();
    const int row = g.Player.PlayerY;
    MovePlayer(g);
    EXPECT_LE(g.Player.PlayerY - row, 1) << frame;
    // The speed grows by 2 a frame; once past a row it settles at exactly one row a frame.
    if (frame <= 16) {
      EXPECT_EQ(Top() - before, 2 * frame) << frame;
    } else if (frame > 20) {
      EXPECT_EQ(Top() - before, 32) << frame;
    }
  }
}

TEST_F(SideView, FallingBelowRow14EndsTheGame) {
  FillMapRow(g, 17, 0, 63, kGrass);
  g.MapOriginY = 0;
  int frames = 0;
  while (g.Player.PlayerY <= 14 && frames < 100) {
    EXPECT_EQ(g.GameOver, 0) << "row " << g.Player.PlayerY;
    MovePlayer(g);
    ++frames;
  }
  EXPECT_EQ(g.Player.PlayerY, 15);
  EXPECT_EQ(g.GameOver, -1);
}

TEST_F(SideView, ScrollingMovesEveryActiveEntityAgainstTheView) {
  g.Enemies[0].Active = -1;
  g.Enemies[0].X = 100;
  g.Enemies[1].X = 50;  // not in use: stays
  g.Bosses[0].Active = -1;
  g.Bosses[0].X = 300;
  g.Shots[0].Active = -1;
  g.Shots[0].X = 200;
  g.EnemyShots[0].Active = -1;
  g.EnemyShots[0].X = 40;
  g.Bombs[0].Phase = 1;
  g.Bombs[0].X = 60;
  g.Fires[0].Phase = 2;
  g.Fires[0].X = 80;

  MoveWith(t, Key::Left);
  EXPECT_EQ(g.MapOriginX, 9);
  EXPECT_EQ(g.ScrollX, 24);
  EXPECT_EQ(g.Player.Facing, 1);
  EXPECT_EQ(g.Player.AnimStep, 1);
  EXPECT_EQ(g.Enemies[0].X, 108);
  EXPECT_EQ(g.Enemies[1].X, 50);
  EXPECT_EQ(g.Bosses[0].X, 308);
  EXPECT_EQ(g.Shots[0].X, 208);
  EXPECT_EQ(g.EnemyShots[0].X, 48);
  EXPECT_EQ(g.Bombs[0].X, 68);
  EXPECT_EQ(g.Fires[0].X, 88);

  // Back to the right: everything returns to its place.
  t.platform.Press(Key::Right);
  MovePlayer(g);
  EXPECT_EQ(g.MapOriginX, 10);
  EXPECT_EQ(g.ScrollX, 0);
  EXPECT_EQ(g.Enemies[0].X, 100);
  EXPECT_EQ(g.Shots[0].X, 200);
}

TEST_F(SideView, WallsStopHerAndMidStepLeftEndsTheTurn) {
  // A wall in her upper row on the right; she turns but does not move.
  g.MapLayer1(18, 15) = kFloor;
  MoveWith(t, Key::Right);
  EXPECT_EQ(g.ScrollX, 0);
  EXPECT_EQ(g.Player.Facing, 0);

  // Mid-step she can always step back left; that step leaves her pose as it is.
  g.ScrollX = 16;
  g.Player.AnimStep = 3;
  MoveWith(t, Key::Left);
  EXPECT_EQ(g.ScrollX, 8);
  EXPECT_EQ(g.Player.AnimStep, 3);

  // Jumping while running shows the jumping pose.
  g.ScrollX = 0;
  g.MapLayer1(18, 15) = kGrass;
  t.platform.Press(Key::Z);
  t.platform.Press(Key::Right);
  MovePlayer(g);
  EXPECT_EQ(g.Player.AnimStep, 2);
  EXPECT_EQ(g.ScrollX, 8);
}

TEST(SideViewWalls, JumpingIntoAWallWithTheArrowHeldShowsTheJumpingPose) {
  // Walls right beside her on both sides, in her upper row; she jumps and pushes against each.
  for (Key arrow : {Key::Right, Key::Left}) {
    SCOPED_TRACE(platform::KeyName(arrow));
    TestGame t;
    Game& g = t.g;
    MakeMap(g, 64, 1, 10, 10);
    FillMapRow(g, 17, 0, 63, kFloor);
    g.MapLayer1(18, 15) = kFloor;
    g.MapLayer1(16, 15) = kFloor;
    MovePlayer(g);  // settle on the ground
    t.platform.Press(Key::Z);
    t.platform.Press(arrow);
    MovePlayer(g);
    EXPECT_EQ(g.Player.Jumping, -1);
    EXPECT_EQ(g.ScrollX, 0) << "the wall holds her";
    EXPECT_EQ(g.Player.AnimStep, 2);
  }
}

TEST_F(SideView, LookupsOutsideTheMapAreSolid) {
  // The band's right edge: column 8 lies beyond the layer.
  g.MapOriginX = 64 - 8;
  MoveWith(t, Key::Right);
  EXPECT_EQ(g.ScrollX, 0);
  // The left edge: column 6 lies at -1.
  g.MapOriginX = -7;
  MoveWith(t, Key::Left);
  EXPECT_EQ(g.MapOriginX, -7);
  EXPECT_EQ(g.ScrollX, 0);
  // Below the layer she stands on solid nothing rather than reading past the map.
  FillMapRow(g, 17, 0, 63, kGrass);
  g.MapOriginX = 10;
  g.MapOriginY = 64 - 7;
  MovePlayer(g);
  EXPECT_EQ(g.Player.PlayerY, 5);
  EXPECT_EQ(g.ScrollY, 0);
}

}  // namespace
}  // namespace korvela::testing
