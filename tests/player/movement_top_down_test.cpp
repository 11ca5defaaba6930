#include <gtest/gtest.h>

#include "player/movement.h"
#include "player_test_maps.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

using platform::Key;

struct TopDown : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override { MakeMap(g, 256, 0, 100, 100); }
};

TEST_F(TopDown, WalkingRightAcrossOneTileTakesFourFramesAndOneStep) {
  t.platform.Press(Key::Right);
  const int16_t expectedScroll[] = {8, 16, 24, 0};
  for (int frame = 0; frame < 4; ++frame) {
    MovePlayer(g);
    EXPECT_EQ(g.ScrollX, expectedScroll[frame]) << "frame " << frame;
    EXPECT_EQ(g.Player.AnimStep, frame < 3 ? 0 : 1) << "frame " << frame;
  }
  EXPECT_EQ(g.MapOriginX, 101);
  EXPECT_EQ(g.Player.Facing, 0);
  for (int frame = 0; frame < 12; ++frame) MovePlayer(g);
  EXPECT_EQ(g.MapOriginX, 104);
  EXPECT_EQ(g.Player.AnimStep, 4);
  for (int frame = 0; frame < 4; ++frame) MovePlayer(g);
  EXPECT_EQ(g.Player.AnimStep, 1) << "the walk cycle runs 1, 2, 3, 4, 1";

  // Letting go stops her where she is, mid-step too; a diagonal stops her as well.
  MovePlayer(g);
  t.platform.Release(Key::Right);
  MovePlayer(g);
  EXPECT_EQ(g.ScrollX, 8);
  EXPECT_EQ(g.Player.AnimStep, 0);
  t.platform.Press(Key::Up);
  t.platform.Press(Key::Left);
  MovePlayer(g);
  EXPECT_EQ(g.ScrollX, 8);
  EXPECT_EQ(g.ScrollY, 0);
  EXPECT_EQ(g.Player.Facing, 0);
}

// The collision rules while the view stands part-way between cells.
struct CollisionCase {
  const char* name;
  Key key;
  int scrollX, scrollY;
  int solidColumn, solidRow;  // the one solid cell, relative to the heroine
  bool moves;
  int16_t facing;
};

TEST_F(TopDown, CollisionRulesForPartlyScrolledPositions) {
  const CollisionCase cases[] = {
      {"up, ScrollX 16, above column 8 solid", Key::Up, 16, 0, 8, -1, false, 3},
      {"up, ScrollX 0, above column 8 solid", Key::Up, 0, 0, 8, -1, true, 3},
      {"up, ScrollY 16 finishes its step", Key::Up, 0, 16, 7, -1, true, 3},
      {"up, above column 7 solid", Key::Up, 0, 0, 7, -1, false, 3},
      {"down, ScrollX 8, below column 8 solid", Key::Down, 8, 0, 8, 1, false, 2},
      {"down, ScrollX 0, below column 8 solid", Key::Down, 0, 0, 8, 1, true, 2},
      {"down, ScrollY 8, below column 7 solid", Key::Down, 0, 8, 7, 1, false, 2},
      {"right, ScrollY 8, column 8 below solid", Key::Right, 0, 8, 8, 1, false, 0},
      {"right, ScrollY 0, column 8 below solid", Key::Right, 0, 0, 8, 1, true, 0},
      {"right, column 8 solid", Key::Right, 0, 0, 8, 0, false, 0},
      {"left, ScrollX 8 finishes its step", Key::Left, 8, 0, 6, 0, true, 1},
      {"left, ScrollY 8, column 6 below solid", Key::Left, 0, 8, 6, 1, false, 1},
      {"left, ScrollY 0, column 6 below solid", Key::Left, 0, 0, 6, 1, true, 1},
  };
  for (const CollisionCase& c : cases) {
    SCOPED_TRACE(c.name);
    MakeMap(g, 256, 0, 100, 100);
    g.ScrollX = static_cast<int16_t>(c.scrollX);
    g.ScrollY = static_cast<int16_t>(c.scrollY);
    g.Player.Facing = 9;
    g.Player.AnimStep = 3;
    CellAt(g, c.solidColumn, c.solidRow) = kFloor;
    MoveWith(t, c.key);
    const bool moved = g.ScrollX != c.scrollX || g.ScrollY != c.scrollY;
    EXPECT_EQ(moved, c.moves);
    EXPECT_EQ(g.Player.Facing, c.facing) << "she turns even when the step is refused";
    if (!c.moves) {
      EXPECT_EQ(g.Player.AnimStep, 3);
      EXPECT_EQ(g.MapOriginX, 100);
      EXPECT_EQ(g.MapOriginY, 100);
    }
  }
}

TEST_F(TopDown, OriginWrapsAt256BothWays) {
  // Right and down from 255 land on 0.
  MakeMap(g, 256, 2, 255, 255);
  g.ScrollX = 24;
  MoveWith(t, Key::Right);
  EXPECT_EQ(g.MapOriginX, 0);
  EXPECT_EQ(g.ScrollX, 0);
  g.ScrollY = 24;
  MoveWith(t, Key::Down);
  EXPECT_EQ(g.MapOriginY, 0);
  EXPECT_EQ(g.ScrollY, 0);

  // Left and up from 0 land on 255.
  MoveWith(t, Key::Left);
  EXPECT_EQ(g.MapOriginX, 255);
  EXPECT_EQ(g.ScrollX, 24);
  MoveWith(t, Key::Up);
  EXPECT_EQ(g.MapOriginY, 255);
  EXPECT_EQ(g.ScrollY, 24);

  // On a smaller map the origin still wraps at 256, and the cells she meets are the ones drawn
  // there: column 8 from origin 255 is map column 7 of a 64-cell map.
  MakeMap(g, 64, 0, 255, 10);
  g.MapLayer1(263 & 63, 15) = kFloor;
  t.platform.Press(Key::Right);
  MovePlayer(g);
  EXPECT_EQ(g.ScrollX, 0) << "the wall across the seam stops her";
  g.MapLayer1(263 & 63, 15) = kGrass;
  MovePlayer(g);
  EXPECT_EQ(g.ScrollX, 8);
}

}  // namespace
}  // namespace korvela::testing
