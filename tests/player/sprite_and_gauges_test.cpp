#include <gtest/gtest.h>

#include "player/status.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

using platform::Color;

constexpr Color kBar = 0xE02020;
constexpr Color kFrame = 0x2040E0;

// A sonota sheet that is transparent everywhere except one frame pixel at (5, 5) of the gauge
// frame, and the bar strip.
Surface GaugeSheet() {
  Surface s(485, 355, platform::kWhite);
  s.Set(5, 64 + 5, kFrame);
  s.Set(5, 96 + 5, platform::kBlack);
  s.FillRect(0, 128, 256, 9, kBar);
  return s;
}

int BarWidth(const Surface& crt, int y) {
  int width = 0;
  while (crt.At(260 + width, y) == kBar) ++width;
  return width;
}

TEST(Gauges, BarsScaleTo201PixelsAndEmptyBarsDrawNothing) {
  TestGame t;
  SetUpPlayScreen(t.g);
  SetNewGameStats(t.g);
  t.g.sonota = GaugeSheet();
  t.g.Player.PlayerMp = 25;
  DrawGauges(t.g);
  EXPECT_EQ(t.g.Crt.At(245, 7), kFrame);
  EXPECT_EQ(BarWidth(t.g.Crt, 2), 201);
  EXPECT_EQ(BarWidth(t.g.Crt, 10), 201) << "9 pixels high";
  EXPECT_EQ(BarWidth(t.g.Crt, 11), 0);
  EXPECT_EQ(BarWidth(t.g.Crt, 15), 100) << "25 of 50 is Int(100.5)";

  for (float hp : {0.0f, 0.004f, -10.0f}) {
    t.g.Crt.Clear();
    t.g.Player.PlayerHp = hp;
    t.g.Player.PlayerMaxMp = 0;  // no maximum: no bar rather than a division by zero
    DrawGauges(t.g);
    EXPECT_EQ(BarWidth(t.g.Crt, 2), 0) << hp;
    EXPECT_EQ(BarWidth(t.g.Crt, 15), 0) << hp;
    EXPECT_EQ(t.g.Crt.At(259, 2), platform::kBlack);
  }

  // More than the maximum, even over a maximum so small that the share is infinite: a full bar.
  for (float maxMp : {10.0f, 1e-41f}) {
    t.g.Crt.Clear();
    t.g.Player.PlayerMp = 229;
    t.g.Player.PlayerMaxMp = maxMp;
    DrawGauges(t.g);
    EXPECT_EQ(BarWidth(t.g.Crt, 15), 201) << maxMp;
  }
}

// A heroine sheet whose 20 cells are solid blocks of colours 1..20, masked fully.
Surface HeroineSheet(int width) {
  Surface s(width, 129, platform::kWhite);
  for (int n = 0; n < 20; ++n) {
    s.FillRect(64 * n, 0, 64, 64, static_cast<Color>(n + 1));
    s.FillRect(64 * n, 64, 64, 64, platform::kBlack);
  }
  return s;
}

TEST(Sprite, PoseCellAndPlaceByMode) {
  TestGame t;
  Game& g = t.g;
  SetUpPlayScreen(g);
  g.Chr = HeroineSheet(1281);
  g.Chr2 = HeroineSheet(1283);
  g.Crt.Clear(platform::kWhite);
  g.Player.PlayerX = 7;
  g.Player.PlayerY = 5;
  g.Player.Facing = 1;
  g.Player.AnimStep = 3;  // cell 8

  g.GameMode = 2;
  DrawPlayer(g);
  EXPECT_EQ(g.Crt.At(208, 128), 9u);
  EXPECT_EQ(g.Crt.At(271, 191), 9u);
  EXPECT_EQ(g.Crt.At(207, 128), platform::kWhite);
  EXPECT_EQ(g.Crt.At(208, 192), platform::kWhite);

  g.Crt.Clear(platform::kWhite);
  g.GameMode = 1;
  g.ScrollY = 20;
  g.Player.Facing = 3;
  g.Player.AnimStep = 4;  // cell 19, the last of Chr2
  DrawPlayer(g);
  EXPECT_EQ(g.Crt.At(208, 140), 20u);
  EXPECT_EQ(g.Crt.At(208, 139), platform::kWhite);
}

}  // namespace
}  // namespace korvela::testing
