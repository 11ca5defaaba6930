// The bosses' patterns on a small stage: falling, shooting moments, the wall breaker, the two
// contact rules, the flyers' turns and firing windows, the runners' leaps and the last boss's
// entrance.
#include <vector>

#include "enemies/enemies.h"
#include "enemy_stage.h"
#include "shell/frame_loop.h"

namespace korvela {
namespace {

using testing::EnemyStage;

struct BossStage : EnemyStage {
  EnemyRecord& PutBoss(int16_t kind, float x, float y, int16_t dir = 0, float dx = 0) {
    EnemyRecord& b = PlaceIn(g.Bosses, 0, kind, x, y, dir);
    b.DX = dx;
    b.Hp = 100;
    return b;
  }
  int Bullets() const { return Active(g.EnemyShots); }
  // One boss turn and the end-of-frame counters that run the hurt protection.
  void Turn() {
    BossLogic(g);
    CoolDownCounters(g);
  }
};

TEST_F(BossStage, FirstBossFallsToTheFloorSixRowsBelowItsTopAndFirstShootsAtTimer45) {
  Floor(8);
  SpawnBoss(g, 0);
  std::vector<float> heights;
  int firstShot = 0;
  for (int frame = 1; frame <= 60 && !firstShot; ++frame) {
    BossLogic(g);
    heights.push_back(g.Bosses[0].Y);
    if (Bullets() > 0) firstShot = frame;
  }
  EXPECT_EQ(std::vector<float>(heights.begin(), heights.begin() + 4),
            (std::vector<float>{0, 32, 64, 64}));
  EXPECT_EQ(heights.back(), 64) << "its feet on row 8, six rows below its top row 2";
  EXPECT_EQ(firstShot, 45);
  EXPECT_EQ(g.Bosses[0].Timer, 0);
  EXPECT_EQ(g.Bosses[0].Anim, 0);
  EXPECT_EQ(Sounds("shot.wav"), 1);
}

TEST_F(BossStage, SecondBossShowsFrameFourAfterEachShotUntilItsNextStep) {
  Floor(8);
  EnemyRecord& b = PutBoss(1, 400, 160);  // feet on row 8, three rows below its top
  int shots = 0, wraps = 0;
  for (int frame = 0; frame < 400; ++frame) {
    const float before = b.Anim;
    BossLogic(g);
    if (Bullets() > 0) {
      ++shots;
      EXPECT_EQ(b.Anim, 4);
      EXPECT_EQ(b.Timer, 0);
    } else if (before == 4 && b.Anim != 4) {
      ++wraps;
      EXPECT_EQ(b.Anim, 0) << "the step after the shot frame wraps to 0";
      EXPECT_EQ(b.Timer % 5, 0);
    }
    g.EnemyShots = {};  // one bullet at most in the table, so each shot shows
  }
  EXPECT_GE(shots, 10);
  EXPECT_GE(wraps, shots - 1);
  EXPECT_EQ(b.Y, 160);
}

// The two contact rules: crushing ignores the protection and costs its points every frame;
// guarded costs once, then nothing until the protection has run out after 10 frames.
TEST_F(BossStage, ContactCrushesEveryFrameOrHurtsOnceThroughTheProtection) {
  struct Case {
    int16_t kind;
    float x, y;
    int floorRow;  // the cell under the boss's feet that keeps it standing
    int16_t guardAtStart;
    float lossIn11Frames;
  };
  const Case cases[] = {
      {0, 200, 64, 8, -1, 11 * 30},  {1, 220, 96, 6, -1, 11 * 30}, {2, 200, 64, 8, -1, 11 * 300},
      {3, 200, 64, 8, -1, 11 * 300}, {4, 100, 0, 99, 0, 2 * 20},   {5, 100, 0, 99, 0, 2 * 20},
      {6, 180, 128, 7, 0, 2 * 10},   {7, 170, 128, 7, 0, 2 * 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    g.MapLayer1.Reset(64);
    g.Player.PlayerHp = 5000;
    g.Player.PlayerX = 7;
    g.Player.StoryFlags[14] = 1;  // the last boss has already spoken
    g.HurtGuard = c.guardAtStart;
    g.HurtCount = 0;
    EnemyRecord& b = PutBoss(c.kind, c.x, c.y);
    if (c.floorRow != 99) {
      const int feet = c.kind == 1 || c.kind >= 6 ? 3 : 6;
      for (int a = -2; a < 16; ++a) Cell(a, static_cast<int>(c.y) / 32 + feet);
      ASSERT_EQ(static_cast<int>(c.y) / 32 + feet, c.floorRow);
    }
    const int screams = Sounds("scream.wav");
    for (int frame = 0; frame < 11; ++frame) Turn();
    EXPECT_EQ(g.Player.PlayerHp, 5000 - c.lossIn11Frames);
    const int times = c.kind <= 3 ? 11 : 2;
    EXPECT_EQ(Sounds("scream.wav") - screams, times);
    EXPECT_EQ(b.Active, -1);
  }
}

TEST_F(BossStage, BeatenDragonNeitherFallsNorShootsNorHurtsAndStaysInTheTable) {
  EnemyRecord& b = PutBoss(3, 200, 64);  // over open cells, the heroine inside its rectangle
  b.Hp = 0;
  b.Anim = 3;
  b.Timer = 17;
  for (int frame = 0; frame < 50; ++frame) BossLogic(g);
  EXPECT_EQ(b.Y, 64);
  EXPECT_EQ(b.Timer, 17);
  EXPECT_EQ(b.Anim, 3);
  EXPECT_EQ(b.Active, -1);
  EXPECT_EQ(Bullets(), 0);
  EXPECT_EQ(g.Player.PlayerHp, 50);
  b.Hp = 1;  // one hit point left: it acts again
  BossLogic(g);
  EXPECT_EQ(g.Player.PlayerHp, 50 - 300);
}

TEST_F(BossStage, WallBreakerRewritesFourteenCellsInOneFrameThenWalksOn) {
  Floor(8);
  for (int row = 0; row < 8; ++row) Cell(8, row), Cell(9, row);  // a wall two columns thick
  EnemyRecord& b = PutBoss(2, 320, 64);                          // column 10, rows 2..7
  int broke = 0;
  for (int frame = 1; frame <= 20 && !broke; ++frame) {
    BossLogic(g);
    if (Sounds("daemon4.wav")) broke = frame;
    if (!broke) {
      EXPECT_EQ(b.X, 320) << "stopped by the wall";
    }
  }
  EXPECT_EQ(broke, 12) << "frame 3 of its animation, stepped every fourth frame";
  for (int a : {8, 9}) {
    for (int row = 2; row <= 6; ++row) EXPECT_EQ(g.MapLayer1(10 + a, 10 + row), 16);
    EXPECT_EQ(g.MapLayer1(10 + a, 10 + 7), 112);
    EXPECT_EQ(g.MapLayer1(10 + a, 10 + 8), 128);
    EXPECT_EQ(g.MapLayer1(10 + a, 10 + 1), 130) << "above the passage the wall stands";
  }
  EXPECT_EQ(b.Dir, 0);
  EXPECT_EQ(b.Anim, 0);
  EXPECT_EQ(b.Timer, 0);
  BossLogic(g);
  EXPECT_EQ(b.X, 316) << "FireTimer is 13: it walks on at once";

  // Preparing a shot it stands still, however open the way is, until the shot resets FireTimer.
  b.FireTimer = 60;
  const float x = b.X;
  int frames = 0;
  while (Bullets() == 0 && frames < 40) BossLogic(g), ++frames;
  EXPECT_EQ(b.X, x);
  EXPECT_EQ(b.FireTimer, 0);
  BossLogic(g);
  EXPECT_EQ(b.X, x - 4);
}

TEST_F(BossStage, WallBreakerAtTheMapsEdgeWritesOnlyTheCellsInsideIt) {
  g.MapOriginX = 0;
  Floor(8);
  for (int row = 0; row < 8; ++row) g.MapLayer1(0, 10 + row) = 130;
  EnemyRecord& b = PutBoss(2, 32, 64);  // column 1: the wall in map column 0, then nothing
  for (int frame = 0; frame < 12; ++frame) BossLogic(g);
  EXPECT_EQ(Sounds("daemon4.wav"), 1);
  EXPECT_EQ(g.MapLayer1(0, 10 + 7), 112);
  BossLogic(g);
  EXPECT_EQ(b.X, 28);
  // Walking on until its feet are over column -1, outside the map: open, so it falls.
  for (int frame = 0; frame < 30; ++frame) BossLogic(g);
  EXPECT_GT(b.Y, 64);
}

TEST_F(BossStage, WallBreakersTimerWrapsWithoutChangingItsStride) {
  // Two walkers in the open, one about to pass 32767, the other at the same step of four.
  EnemyRecord& wrapping = PutBoss(2, 400, 64);
  wrapping.Timer = 32763;
  EnemyRecord plain = wrapping;
  plain.Timer = 3;
  Floor(8);
  std::vector<float> a, b;
  for (int frame = 0; frame < 20; ++frame) {
    BossLogic(g);
    a.push_back(wrapping.Anim);
    g.Bosses[0] = std::exchange(plain, g.Bosses[0]);
    BossLogic(g);
    b.push_back(g.Bosses[0].Anim);
    g.Bosses[0] = std::exchange(plain, g.Bosses[0]);
  }
  EXPECT_EQ(a, b);
  EXPECT_EQ(wrapping.Timer, 15) << "32767 is followed by 0";
}

TEST_F(BossStage, FlyerSpawnedFarRightTurnsInItsFirstFrame) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    g.Rng.seed(seed);
    g.Bosses = {};
    SpawnBoss(g, 4);
    BossLogic(g);
    EXPECT_EQ(g.Bosses[0].Dir, 0);
    EXPECT_EQ(g.Bosses[0].DX, -16);
    EXPECT_EQ(g.Bosses[0].X, 944);
  }
}

// The firing window is looked at only when Timer is a multiple of 4: a pass whose checks fall on
// the window's open ends does not shoot.
TEST_F(BossStage, FlyersShootOnlyWhenACheckFallsInsideTheWindow) {
  struct Case {
    int16_t kind;
    float x;  // flying left; Timer starts at 0, so the checks come in frames 4, 8, ...
    int bullets;
  };
  const Case cases[] = {
      {4, 464, 1},  // checked at 400: inside 384..448
      {4, 512, 0},  // checked at 448 and 384: both on the ends
      {5, 500, 4},  // checked at 420: a volley of four
      {5, 540, 0},  // checked at 460 and 380: over the window between two checks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    g.EnemyShots = {};
    EnemyRecord& b = PutBoss(c.kind, c.x, -96, 0, c.kind == 4 ? -16 : -20);
    for (int frame = 0; frame < 12; ++frame) BossLogic(g);
    EXPECT_EQ(Bullets(), c.bullets);
    EXPECT_EQ(b.Y, -96);
  }
  // Flying right, the window lies behind the heroine: kind 4 from PX - 448, kind 5 from - 512.
  g.EnemyShots = {};
  PutBoss(5, -316, -96, 1, 20);  // checked at -236
  for (int frame = 0; frame < 4; ++frame) BossLogic(g);
  EXPECT_EQ(Bullets(), 4);
  EXPECT_EQ(g.EnemyShots[0].X, -236 + 300);
  // Fewer than four free slots: as many bullets as there are slots.
  g.EnemyShots = {};
  g.EnemyShots[0].Active = g.EnemyShots[1].Active = g.EnemyShots[2].Active = -1;
  PutBoss(5, 500, -96, 0, -20);
  for (int frame = 0; frame < 4; ++frame) BossLogic(g);
  EXPECT_EQ(Bullets(), 5);
}

TEST_F(BossStage, RunnerLeapsOnlyFromItsSpotAndFollowsTheArc) {
  struct Case {
    int16_t kind;
    float x, y;
    int16_t dir, playerX;  // the heroine's column keeps the runner from turning
    bool leaps;
  };
  const Case cases[] = {
      {6, 352, 160, 0, 14, true},  {6, 352, 160, 1, 14, false},   {6, 320, 160, 0, 14, false},
      {6, 352, 128, 0, 14, false}, {7, 352, 192, 0, 14, true},    {7, -31, 192, 1, 0, true},
      {7, 31, 192, 1, 0, true},    {7, -31.6f, 192, 1, 0, false}, {7, 32, 192, 1, 0, false},
      {7, -31, 192, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.kind << " at " << c.x << ", " << c.y);
    g.MapLayer1.Reset(64);
    g.Player.StoryFlags[14] = 1;
    g.Player.PlayerX = c.playerX;
    for (int a = -3; a < 16; ++a) Cell(a, static_cast<int>(c.y) / 32 + 3);
    EnemyRecord& b = PutBoss(c.kind, c.x, c.y, c.dir);
    b.DY = -16;
    bool leapt = false;
    for (int frame = 0; frame < 40 && !leapt; ++frame) {
      BossLogic(g);
      leapt = b.Y != c.y;
    }
    EXPECT_EQ(b.X, c.x) << "it stood still";
    EXPECT_EQ(leapt, c.leaps);
    if (!leapt) continue;
    std::vector<float> arc{b.Y};
    while (arc.size() < 18) BossLogic(g), arc.push_back(b.Y);
    const float h = c.y;
    EXPECT_EQ(arc, (std::vector<float>{h - 18, h - 34, h - 48, h - 60, h - 70, h - 78, h - 84,
                                       h - 88, h - 90, h - 90, h - 88, h - 84, h - 78, h - 70,
                                       h - 60, h - 48, h - 34, h - 18}));
    BossLogic(g);
    // Back on its spot it may leap again in the same frame.
    EXPECT_TRUE(b.Y == h || b.Y == h - 18) << b.Y;
    EXPECT_EQ(b.DY, -16);
  }
}

TEST_F(BossStage, LastBossFromTheLeftEdgeRunsRight) {
  g.Player.StoryFlags[14] = 1;
  Floor(9);
  SpawnBoss(g, 7);
  EnemyRecord& b = g.Bosses[0];
  EXPECT_EQ(b.X, -64);
  for (int frame = 0; frame < 4; ++frame) {
    BossLogic(g);
    EXPECT_EQ(b.Dir, 1);
  }
  EXPECT_EQ(b.X, 0);
}

TEST_F(BossStage, LastBossTurnsAtWalls) {
  g.Player.StoryFlags[14] = 1;
  Floor(9);
  Cell(8, 8);  // chest-high wall ahead of a boss in column 5 running right
  EnemyRecord& b = PutBoss(7, 160, 192, 1, 16);
  BossLogic(g);
  EXPECT_EQ(b.Dir, 0);
  EXPECT_EQ(b.X, 144);
}

TEST_F(BossStage, LastBossSpeaksOnceAPlaysItsMusicAndGoesOnInTheSameFrame) {
  t.platform.Press(platform::Key::Space);  // held: every page of the words passes at once
  Floor(9);
  SpawnBoss(g, 7);
  const uint32_t before = t.platform.Clock();
  BossLogic(g);
  EXPECT_GE(t.platform.Clock() - before, 1000u) << "the pause before the words";
  EXPECT_EQ(g.Player.StoryFlags[14], 1);
  EXPECT_EQ(g.Bosses[0].X, -48) << "the turn went on after the entrance";
  const auto music = t.Effects("music");
  const auto open = std::find_if(music.begin(), music.end(), [](const std::string& m) {
    return m.find("Combat1.mid") != std::string::npos;
  });
  ASSERT_NE(open, music.end());
  EXPECT_EQ(music.back(), "play MIDI notify");
  // A later last boss (the table cleared, the boss started again) neither speaks nor restarts it.
  g.Bosses = {};
  SpawnBoss(g, 7);
  const uint32_t again = t.platform.Clock();
  BossLogic(g);
  EXPECT_EQ(t.platform.Clock(), again);
  EXPECT_EQ(t.Effects("music").size(), music.size());
}

}  // namespace
}  // namespace korvela
