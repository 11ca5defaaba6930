#include <gtest/gtest.h>

#include "player/status.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

TEST(LevelUp, OneLevelPerCallWithTheSurplusCarriedOver) {
  TestGame t;
  SetNewGameStats(t.g);
  PlayerRecord& p = t.g.Player;
  p.PlayerExp = 250;

  CheckLevelUp(t.g);
  EXPECT_EQ(p.PlayerLevel, 2);
  EXPECT_EQ(p.PlayerExp, 150);
  EXPECT_EQ(p.NextExp, 150);
  EXPECT_FLOAT_EQ(p.PlayerStr + p.PlayerDex + p.PlayerInt, 160);
  EXPECT_FLOAT_EQ(p.PlayerHp, 50) << "a level does not heal";

  CheckLevelUp(t.g);
  EXPECT_EQ(p.PlayerLevel, 3);
  EXPECT_EQ(p.PlayerExp, 0);
  EXPECT_EQ(p.NextExp, 200);

  CheckLevelUp(t.g);
  EXPECT_EQ(p.PlayerLevel, 3);
  EXPECT_EQ(t.Effects("sound"), (std::vector<std::string>{"BellA@16.wav", "BellA@16.wav"}));
  EXPECT_EQ(t.platform.Caption(), CaptionText(t.g));
  EXPECT_NE(t.platform.Caption().find("LV=3"), std::string::npos);
}

// How often each stat grows over many levels from the same numbers.
struct Shares {
  double str = 0, dex = 0, in = 0;
};

Shares GrowthShares(float str, float dex, float in) {
  TestGame t;
  t.g.Rng.seed(20240611);
  const int draws = 5000;
  Shares s;
  for (int i = 0; i < draws; ++i) {
    PlayerRecord& p = t.g.Player;
    p.PlayerStr = str, p.PlayerDex = dex, p.PlayerInt = in;
    p.NextExp = 100, p.PlayerExp = 100;
    CheckLevelUp(t.g);
    s.str += (p.PlayerStr != str) / double(draws);
    s.dex += (p.PlayerDex != dex) / double(draws);
    s.in += (p.PlayerInt != in) / double(draws);
  }
  return s;
}

TEST(LevelUp, TheLargestStatGrowsLeastOften) {
  const double tolerance = 0.03;
  {
    SCOPED_TRACE("all equal: STR counts as the largest");
    const Shares s = GrowthShares(50, 50, 50);
    EXPECT_NEAR(s.str, 0.2, tolerance);
    EXPECT_NEAR(s.dex, 0.4, tolerance);
    EXPECT_NEAR(s.in, 0.4, tolerance);
  }
  {
    SCOPED_TRACE("DEX largest");
    const Shares s = GrowthShares(50, 60, 40);
    EXPECT_NEAR(s.dex, 0.2, tolerance);
    EXPECT_NEAR(s.str, 0.4, tolerance);
    EXPECT_NEAR(s.in, 0.4, tolerance);
  }
  {
    SCOPED_TRACE("INT largest");
    const Shares s = GrowthShares(40, 50, 60);
    EXPECT_NEAR(s.in, 0.2, tolerance);
    EXPECT_NEAR(s.dex, 0.4, tolerance);
    EXPECT_NEAR(s.str, 0.4, tolerance);
  }
}

TEST(Caption, NewGameLineAndShortestFloats) {
  TestGame t;
  SetNewGameStats(t.g);
  UpdateCaption(t.g);
  EXPECT_EQ(t.platform.Caption(), "KORVELA  LV=1  STR=50  DEX=50  INT=50  EXP/Next=0/100");

  t.g.Player.PlayerDex = 60.5f;
  t.g.Player.PlayerInt = 100000;
  t.g.Player.PlayerExp = 5200;
  UpdateCaption(t.g);
  EXPECT_EQ(t.platform.Caption(), "KORVELA  LV=1  STR=50  DEX=60.5  INT=100000  EXP/Next=5000/100");
  EXPECT_EQ(t.g.Player.PlayerExp, 5000) << "the caption caps the experience";
}

TEST(Status, BoxWithZeroPaddedLines) {
  TestGame t;
  SetUpPlayScreen(t.g);
  SetNewGameStats(t.g);
  const auto lines = StatusLines(t.g);
  EXPECT_EQ(lines[0], "LV = 001  HP = 050/050");
  EXPECT_EQ(lines[1], "Str = 050  Dex = 050  Int = 050");
  EXPECT_EQ(lines[2], "Exp = 000000  NextExp = 000100");

  t.g.Player.PlayerHp = 12.5f;  // halves round to even
  t.g.Player.PlayerLevel = 1234;
  EXPECT_EQ(StatusLines(t.g)[0], "LV = 1234  HP = 012/050");

  // Without a font the box is still drawn, and shown at once.
  t.g.Crt.Clear(platform::kWhite);
  ShowStatus(t.g);
  EXPECT_EQ(t.g.Crt.At(20, 2), platform::kLightGrey);
  EXPECT_EQ(t.g.Crt.At(410, 90), platform::kLightGrey);
  EXPECT_EQ(t.g.Crt.At(200, 50), platform::kBlack);
  EXPECT_EQ(t.g.Crt.At(411, 50), platform::kWhite);
  EXPECT_EQ(t.platform.FramesPresented(), 1);
}

}  // namespace
}  // namespace korvela::testing
