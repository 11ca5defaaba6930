#include "shell/frame_loop.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Key;
using testing::TestGame;

struct FrameLoopTest : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    testing::SetUpPlayScreen(g);
    testing::SetNewGameStats(g);
  }
};

TEST_F(FrameLoopTest, EachModeRunsItsRoutinesInOrder) {
  std::vector<std::string> trace;
  g.StepTrace = &trace;
  const std::vector<std::string> common = {"DrawMap", "DrawWeaponIcons", "SelectWeaponX",
                                           "SelectWeaponC"};
  auto expect = [&](std::vector<std::string> modeSteps) {
    std::vector<std::string> all = common;
    all.insert(all.end(), modeSteps.begin(), modeSteps.end());
    return all;
  };
  const auto topDown =
      expect({"MovePlayer", "DrawGauges", "DrawPlayer", "FieldEvents", "SearchCommand"});
  for (const uint8_t mode : {uint8_t{0}, uint8_t{2}}) {
    trace.clear();
    g.GameMode = mode;
    RunFrame(g);
    EXPECT_EQ(trace, topDown) << "mode " << int{mode};
  }
  trace.clear();
  g.GameMode = 1;
  RunFrame(g);
  EXPECT_EQ(trace, expect({"MovePlayer",
                           "FireShot",
                           "ThrowBomb",
                           "CastFire",
                           "MoveEnemies",
                           "BossLogic",
                           "EnemyShotsHitPlayer",
                           "DrawGauges",
                           "DrawPlayer",
                           "ShotHits",
                           "BombHits",
                           "FireHits",
                           "DrawBosses",
                           "DrawShots",
                           "DrawBombs",
                           "DrawFires",
                           "DrawEnemies",
                           "DrawEnemyShots",
                           "FieldEvents",
                           "CoolDownCounters"}));
  trace.clear();
  g.GameMode = 7;
  RunFrame(g);
  EXPECT_EQ(trace, common) << "an unknown mode runs no mode routines";
}

TEST_F(FrameLoopTest, EntrySetsTheListedStateAndKeepsTheReadyFlags) {
  g.Shots[29].Active = g.Shots[30].Active = -1;
  g.Enemies[9].Active = g.Enemies[10].Active = -1;
  g.EnemyShots[5].Active = g.EnemyShots[6].Active = -1;
  g.Bosses[3].Active = g.Bosses[4].Active = -1;
  g.GameOver = g.EndingFlag = -1;
  g.BossStage = 1;
  g.ShotReady = 0;
  g.BombReady = -1;
  g.ShotCoolCount = g.BombCoolCount = 9;
  g.Player.PlayerX = g.Player.PlayerY = 3;
  g.Player.Facing = 2;
  g.Player.AnimStep = 4;
  g.Player.Jumping = -1;
  EnterGameLoop(g);
  EXPECT_EQ(g.Shots[29].Active, 0);
  EXPECT_EQ(g.Shots[30].Active, -1) << "slot 30 is outside the cleared range";
  EXPECT_EQ(g.Enemies[9].Active, 0);
  EXPECT_EQ(g.Enemies[10].Active, -1);
  EXPECT_EQ(g.EnemyShots[5].Active, 0);
  EXPECT_EQ(g.EnemyShots[6].Active, -1);
  EXPECT_EQ(g.Bosses[3].Active, 0);
  EXPECT_EQ(g.Bosses[4].Active, -1);
  EXPECT_EQ(g.GameOver, 0);
  EXPECT_EQ(g.EndingFlag, 0);
  EXPECT_EQ(g.BossStage, 0);
  EXPECT_EQ(g.ShotCoolCount, 0);
  EXPECT_EQ(g.BombCoolCount, 0);
  EXPECT_EQ(g.ShotReady, 0);
  EXPECT_EQ(g.BombReady, -1);
  EXPECT_EQ(g.Player.PlayerX, 7);
  EXPECT_EQ(g.Player.PlayerY, 5);
  EXPECT_EQ(g.Player.Facing, 0);
  EXPECT_EQ(g.Player.AnimStep, 0);
  EXPECT_EQ(g.Player.Jumping, 0);
  EXPECT_EQ(g.JumpCount, 1);
  EXPECT_EQ(t.platform.Caption(), "KORVELA  LV=1  STR=50  DEX=50  INT=50  EXP/Next=0/100");
}

// Frames from a use of the attack until its ready flag is back.
int FramesUntilReady(Game& g, int16_t Game::*ready) {
  g.ShotReady = g.BombReady = -1;
  CoolDownCounters(g);  // while ready, the counters stand at 0
  g.*ready = 0;
  for (int frame = 1; frame < 1000; ++frame) {
    CoolDownCounters(g);
    if (g.*ready == -1) return frame;
  }
  return -1;
}

TEST_F(FrameLoopTest, CoolDownsFollowDex) {
  EXPECT_EQ(FramesUntilReady(g, &Game::ShotReady), 13);
  EXPECT_EQ(FramesUntilReady(g, &Game::BombReady), 106);
  g.Player.PlayerDex = 60;
  EXPECT_EQ(FramesUntilReady(g, &Game::ShotReady), 11);
  EXPECT_EQ(FramesUntilReady(g, &Game::BombReady), 89);
  g.Player.PlayerDex = 59.5f;  // Int(5.95) = 5: the same as DEX 50
  EXPECT_EQ(FramesUntilReady(g, &Game::ShotReady), 13);
}

TEST_F(FrameLoopTest, CoolDownsRunOnlyInTheSideView) {
  g.GameMode = 0;
  g.ShotReady = 0;
  for (int i = 0; i < 50; ++i) RunFrame(g);
  EXPECT_EQ(g.ShotReady, 0);
  g.GameMode = 1;
  for (int i = 0; i < 13; ++i) RunFrame(g);
  EXPECT_EQ(g.ShotReady, -1);
}

TEST_F(FrameLoopTest, HurtGuardLastsTenFrames) {
  g.HurtGuard = -1;
  for (int i = 0; i < 9; ++i) CoolDownCounters(g);
  EXPECT_EQ(g.HurtGuard, -1);
  CoolDownCounters(g);
  EXPECT_EQ(g.HurtGuard, 0);
  EXPECT_EQ(g.HurtCount, 0);
}

TEST_F(FrameLoopTest, MpRegeneratesFasterFromHalfAndStaysInRange) {
  PlayerRecord& p = g.Player;
  p.PlayerMp = 24.9f;
  RegenerateMp(g);
  EXPECT_FLOAT_EQ(p.PlayerMp, 24.9f + 50.0f / 300);
  p.PlayerMp = 25;  // exactly half: the faster rate
  RegenerateMp(g);
  EXPECT_FLOAT_EQ(p.PlayerMp, 25.25f);
  p.PlayerMp = 49.9f;
  RegenerateMp(g);
  EXPECT_FLOAT_EQ(p.PlayerMp, 50);
  p.PlayerMp = -3;
  p.PlayerInt = 0;
  RegenerateMp(g);
  EXPECT_FLOAT_EQ(p.PlayerMp, 0);
}

TEST_F(FrameLoopTest, ExperienceIsCappedBeforeTheLevelCheck) {
  g.Player.PlayerExp = 7000;
  g.Player.NextExp = 32000;
  RunFrame(g);
  EXPECT_EQ(g.Player.PlayerExp, 5000);
}

TEST_F(FrameLoopTest, HpOfExactlyZeroEndsTheGameInThatFrame) {
  g.Player.PlayerHp = 0.001f;
  EXPECT_EQ(RunFrame(g), FrameResult::Continue);
  g.Player.PlayerHp = 0;
  const uint32_t before = t.platform.Clock();
  EXPECT_EQ(RunFrame(g), FrameResult::GameEnded);
  EXPECT_EQ(g.GameOver, -1);
  EXPECT_EQ(t.Effects("sound").back(), "scream.wav");
  EXPECT_EQ(t.platform.Caption(), "KORVELA");
  EXPECT_EQ(t.Effects("music").back(), "close MIDI notify");
  EXPECT_EQ(t.platform.Clock() - before, 1000u) << "one-second pause, no frame sleep";
}

TEST_F(FrameLoopTest, EscapeEndsTheGameInTheFirstFrameItIsSeen) {
  EXPECT_EQ(RunFrame(g), FrameResult::Continue);
  t.platform.Press(Key::Escape);
  EXPECT_EQ(RunFrame(g), FrameResult::GameEnded);
  EXPECT_EQ(t.Effects("sound"), std::vector<std::string>{"scream.wav"});
}

TEST_F(FrameLoopTest, FramesArePacedToFortyMilliseconds) {
  t.platform.SetPresentCost(10);  // a quick frame sleeps the rest of its 40 ms
  uint32_t start = t.platform.Clock();
  RunFrame(g);
  EXPECT_EQ(t.platform.Clock() - start, 40u);
  t.platform.SetPresentCost(55);  // a slow one is followed at once
  start = t.platform.Clock();
  RunFrame(g);
  EXPECT_EQ(t.platform.Clock() - start, 55u);
  EXPECT_EQ(g.FrameElapsed, 55);
}

TEST_F(FrameLoopTest, KeyReleasesReachTheGameOnlyAtTheYield) {
  t.platform.SetEventHandler(nullptr);
  struct Events : platform::WindowEvents {
    Game& g;
    explicit Events(Game& game) : g(game) {}
    void KeyUp(int code) override {
      if (code == 83 || code == 68) g.SelectLatch = 0;
    }
    void MusicTimer() override {}
    void Close() override { throw platform::QuitRequested{}; }
  } events(g);
  t.platform.SetEventHandler(&events);
  g.SelectLatch = -1;
  t.platform.Press(Key::S);
  t.platform.Release(Key::S);
  EXPECT_EQ(g.SelectLatch, -1);
  RunFrame(g);
  EXPECT_EQ(g.SelectLatch, 0);
  t.platform.SetEventHandler(nullptr);
}

}  // namespace
}  // namespace korvela
