// The player program's model of running and jumping must predict the game's own movement frame
// for frame, or its plans would walk her into walls and pits.
#include <gtest/gtest.h>

#include <random>

#include "player/movement.h"
#include "side_view.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

using autoplay::Body;
using autoplay::Move;
using platform::Key;

constexpr uint8_t kRock = 130;
constexpr uint8_t kExit = 37;

// A stage band 64 cells wide seen from origin (2, 10): ground on map row 17 with a pit at
// columns 20-21 (nothing below it), a wall two cells high at column 30, a ledge to climb at
// 40-44 and a low ceiling over 50-52. The exit runs down column 60.
struct Stage : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    g.MapLayer1.Reset(64);
    g.MapLayer2.Reset(64);
    g.MapSize = 63;
    g.GameMode = 1;
    g.MapOriginX = 2;
    g.MapOriginY = 10;
    g.Player.PlayerX = 7;
    g.Player.PlayerY = 5;
    g.GameOver = 0;
    for (int x = 0; x < 64; ++x) {
      if (x < 20 || x > 21) g.MapLayer1(x, 17) = kRock;
      g.MapLayer1(x, 9) = kRock;
    }
    g.MapLayer1(30, 16) = g.MapLayer1(30, 15) = kRock;
    for (int x = 40; x <= 44; ++x) g.MapLayer1(x, 14) = kRock;
    for (int x = 50; x <= 52; ++x) g.MapLayer1(x, 13) = kRock;
    for (int y = 10; y <= 16; ++y) g.MapLayer2(60, y) = kExit;
    MovePlayer(g);
  }
  void Hold(const Move& m) {
    auto set = [&](Key k, bool on) { on ? t.platform.Press(k) : t.platform.Release(k); };
    set(Key::Right, m.dir > 0);
    set(Key::Left, m.dir < 0);
    set(Key::Z, m.jump);
  }
};

TEST_F(Stage, ModelPredictsEveryFrameOfRandomPlay) {
  std::mt19937 rng(7);
  int frames = 0;
  for (int run = 0; run < 20; ++run) {
    SetUp();
    for (int frame = 0; frame < 300; ++frame, ++frames) {
      // Keys held for a few frames at a time, as a player holds them.
      const Move m{static_cast<int>(rng() % 3) - 1, rng() % 3 == 0};
      for (int k = static_cast<int>(rng() % 6); k >= 0; --k) {
        Body predicted = autoplay::ReadBody(g);
        const bool alive = autoplay::StepBody(g, predicted, m);
        Hold(m);
        MovePlayer(g);
        if (!alive) {
          EXPECT_EQ(g.GameOver, -1);
          break;
        }
        ASSERT_EQ(autoplay::ReadBody(g), predicted) << "run " << run << " frame " << frame;
      }
      if (g.GameOver == -1) break;
    }
  }
  EXPECT_GT(frames, 2000);
}

TEST_F(Stage, PlanCrossesPitWallLedgeAndCeilingToTheExit) {
  const auto plan =
      autoplay::PlanMoves(g, autoplay::ReadBody(g), [](uint8_t code) { return code == kExit; });
  ASSERT_FALSE(plan.empty());
  for (const Move& m : plan) {
    Hold(m);
    MovePlayer(g);
    ASSERT_NE(g.GameOver, -1);
  }
  EXPECT_EQ(g.MapOriginX + 7, 60);
  EXPECT_EQ(autoplay::CodeAt(g, autoplay::ReadBody(g)), kExit);
  // Running flat out covers 58 columns in 232 frames; the jumps cost little more.
  EXPECT_LT(plan.size(), 300u);
}

TEST_F(Stage, NoPlanWhenTheExitIsWalledOff) {
  for (int y = 10; y <= 16; ++y) g.MapLayer1(58, y) = kRock;
  const auto plan =
      autoplay::PlanMoves(g, autoplay::ReadBody(g), [](uint8_t code) { return code == kExit; });
  EXPECT_TRUE(plan.empty());
}

}  // namespace
}  // namespace korvela::testing
