// Shots, bombs and fires on their way: the screen's edges, walls, the target regions, damage per
// hit and per frame, and the sounds of each.
#include "combat_fixture.h"

namespace korvela::testing {
namespace {

using platform::Key;

using Flight = Combat;

TEST_F(Flight, ShotsLeaveAtTheScreensEdges) {
  struct Case {
    int16_t x, dx;
    int16_t xAfter;
    bool flies;
  } cases[] = {{528, 16, 544, false},
               {527, 16, 543, true},
               {0, -16, -16, true},
               {-16, -16, -32, false},
               {-1, -16, -17, false}};
  for (const Case& c : cases) {
    Reset();
    PutShot(0, c.x, 100, c.dx);
    ShotHits(g);
    EXPECT_EQ(g.Shots[0].X, c.xAfter) << c.x;
    EXPECT_EQ(g.Shots[0].Active, c.flies ? -1 : 0) << c.x;
  }
}

TEST_F(Flight, WallsStopShotsAheadOfThemButTile127LetsThemThrough) {
  // A shot at screen x 96..127 after its step stands in column 3; the column ahead is 4.
  struct Case {
    int col, row;
    uint8_t tile;
    bool flies;
  } cases[] = {{4, 3, 128, false}, {4, 4, 200, false}, {4, 5, 255, true},
               {4, 3, 127, true},  {3, 3, 128, true},  {4, 2, 128, true}};
  for (const Case& c : cases) {
    Reset();
    SetTile(c.col, c.row, c.tile);
    PutShot(0, 80, 3 * 32 + 20, 16);
    ShotHits(g);
    EXPECT_EQ(g.Shots[0].Active, c.flies ? -1 : 0)
        << "tile " << int{c.tile} << " at " << c.col << "," << c.row;
  }
  // Going left, the column behind it is ahead.
  Reset();
  SetTile(2, 3, 128);
  PutShot(0, 112, 3 * 32, -16);
  ShotHits(g);
  EXPECT_EQ(g.Shots[0].Active, 0);
}

TEST_F(Flight, AttacksNearTheMapsEdgeReadOpenGround) {
  // Solid ground everywhere on the map, so only cells beyond it can be open.
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) g.MapLayer1(x, y) = 200;
  }
  g.MapOriginX = 0;
  g.MapOriginY = -10;
  PutShot(0, 16, 40, -16);                         // column 0, the one ahead is -1
  g.Bombs[0] = BombRecord{16, -40, -16, 0, 1, 1};  // rows above the map
  ShotHits(g);
  BombHits(g);
  EXPECT_EQ(g.Shots[0].Active, -1);
  EXPECT_EQ(g.Bombs[0].Phase, 1);

  g.MapOriginX = 60;  // the view's right part lies beyond the map
  g.MapOriginY = 70;
  PutShot(1, 400, 100, 16);
  ShotHits(g);
  EXPECT_EQ(g.Shots[1].Active, -1);
}

TEST_F(Flight, AShotHitsOnlyWithItsCentreStrictlyInsideTheRegion) {
  // The shot's centre is 16 to the right of its X and 16 below its Y after the step.
  struct Case {
    int16_t kind;
    bool boss;
    float centreX, centreY;  // relative to the target's X and Y
    bool hits;
  } cases[] = {
      {0, false, 0, 30, false},  {0, false, 1, 30, true},    {0, false, 31, 30, true},
      {0, false, 32, 30, false}, {2, false, 16, 0, false},   {2, false, 16, 63, true},
      {2, false, 16, 64, false}, {3, false, 79, 30, true},   {3, false, 80, 30, false},
      {0, true, 191, 191, true}, {5, true, 192, 100, false}, {6, true, 16, 50, false},
      {6, true, 17, 17, true},   {6, true, 79, 95, true},    {6, true, 100, 50, false},
      {7, true, 33, 17, true},   {7, true, 32, 50, false},   {7, true, 95, 95, true},
      {7, true, 96, 50, false},  {7, true, 50, 16, false},
  };
  for (const Case& c : cases) {
    Reset();
    const float tx = 200;
    const float ty = 40;
    if (c.boss) {
      PutBoss(0, c.kind, tx, ty, 100);
    } else {
      PutEnemy(0, c.kind, tx, ty, 10);
    }
    // Place the shot so that its centre after the step lands on the point (rounded down).
    const auto x = static_cast<int16_t>(std::floor(tx + c.centreX) - 16 - 16);
    PutShot(0, x, static_cast<int16_t>(ty + c.centreY - 16), 16, 2);
    const long soundsBefore = Sounds("dragon_asian_atk.wav");
    ShotHits(g);
    const int16_t hp = c.boss ? g.Bosses[0].Hp : g.Enemies[0].Hp;
    const int16_t full = c.boss ? 100 : 10;
    const std::string what = (c.boss ? "boss " : "enemy ") + std::to_string(c.kind) + " at " +
                             std::to_string(c.centreX) + "," + std::to_string(c.centreY);
    EXPECT_EQ(hp, c.hits ? full - 2 : full) << what;
    EXPECT_EQ(g.Shots[0].Active, c.hits ? 0 : -1) << what;
    EXPECT_EQ(Sounds("dragon_asian_atk.wav") - soundsBefore, c.hits ? 1 : 0) << what;
  }
}

TEST_F(Flight, OneShotHurtsEveryTargetAtItsCentreEvenAsItLeaves) {
  PutEnemy(0, 1, 200, 80, 5);
  PutEnemy(4, 2, 195, 70, 8);
  PutBoss(2, 0, 100, 0, 100);
  PutShot(0, 190, 90, 16, 2);  // centre (222, 106) after the step
  ShotHits(g);
  EXPECT_EQ(g.Enemies[0].Hp, 3);
  EXPECT_EQ(g.Enemies[4].Hp, 6);
  EXPECT_EQ(g.Bosses[2].Hp, 98);
  EXPECT_EQ(g.Shots[0].Active, 0);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 3);

  // A shot that reaches the right edge this frame is freed, yet still hits what is there.
  Reset();
  PutEnemy(0, 0, 540, 80, 5);
  PutShot(0, 528, 90, 16);
  ShotHits(g);
  EXPECT_EQ(g.Enemies[0].Hp, 4);
  // And one that meets a wall.
  Reset();
  SetTile(9, 3, 130);
  PutEnemy(0, 0, 270, 80, 5);
  PutShot(0, 240, 90, 16);
  ShotHits(g);
  EXPECT_EQ(g.Shots[0].Active, 0);
  EXPECT_EQ(g.Enemies[0].Hp, 4);
}

TEST_F(Flight, ABombArcsAndFallsOutBelowTheScreen) {
  g.Player.WeaponX = 3;
  t.platform.Press(Key::X);
  ThrowBomb(g);
  t.platform.Release(Key::X);
  const int16_t ys[] = {138, 114, 98, 90, 90, 98, 114, 138, 170, 210, 258, 314, 378};
  for (int frame = 0; frame < 13; ++frame) {
    BombHits(g);
    ASSERT_EQ(g.Bombs[0].Phase, 1) << frame;
    EXPECT_EQ(g.Bombs[0].X, 256 + 16 * (frame + 1)) << frame;
    EXPECT_EQ(g.Bombs[0].Y, ys[frame]) << frame;
  }
  BombHits(g);
  EXPECT_EQ(g.Bombs[0].Y, 450);
  EXPECT_EQ(g.Bombs[0].Phase, 0) << "gone below y 384, without a burst";
  EXPECT_EQ(SoundCount(), 0u);
}

TEST_F(Flight, ABombThrownAtAWallBurstsInTheFrameOfItsThrow) {
  // Thrown right from x 256, it reaches x 272 (column 8) at y 138 (row 4) in the same frame.
  struct Case {
    int col, row;
    uint8_t tile;
    bool bursts;
  } cases[] = {{9, 4, 128, true},  {9, 5, 128, true},  {9, 3, 128, false}, {8, 4, 127, true},
               {9, 4, 127, false}, {8, 5, 127, false}, {8, 4, 126, false}, {10, 4, 128, false}};
  for (const Case& c : cases) {
    Reset();
    g.Player.WeaponX = 3;
    SetTile(c.col, c.row, c.tile);
    t.platform.Press(Key::X);
    ThrowBomb(g);
    BombHits(g);
    t.platform.Release(Key::X);
    const std::string what = "tile " + std::to_string(c.tile) + " at " + std::to_string(c.col) +
                             "," + std::to_string(c.row);
    EXPECT_EQ(g.Bombs[0].X, 272) << what;
    EXPECT_EQ(g.Bombs[0].Phase, c.bursts ? 3 : 1) << what << ": a burst ages in its first frame";
  }
  EXPECT_EQ(Sounds("explode.wav"), 3);
}

TEST_F(Flight, ABombTouchingTwoEnemiesSoundsTwiceAndBurstsOnce) {
  PutEnemy(0, 0, 260, 100, 5);
  PutEnemy(1, 3, 250, 110, 11);
  PutEnemy(2, 0, 600, 100, 5);
  g.Bombs[0] = BombRecord{256, 130, 16, 0, 1, 1};  // reaches (272, 130)
  BombHits(g);
  EXPECT_EQ(Sounds("explode.wav"), 2);
  EXPECT_EQ(g.Bombs[0].Phase, 3);
  EXPECT_EQ(g.Enemies[0].Hp, 4) << "the burst harms in the frame of contact";
  EXPECT_EQ(g.Enemies[1].Hp, 10);
  EXPECT_EQ(g.Enemies[2].Hp, 5);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 0) << "bursts hurt silently";

  // A bomb in flight must come down on an enemy: its top 8 pixels do not count.
  Reset();
  PutEnemy(0, 0, 260, 100, 5);
  g.Bombs[0] = BombRecord{256, 92, 16, 0, 1, 1};  // reaches (272, 108): 8 below the top
  BombHits(g);
  EXPECT_EQ(g.Bombs[0].Phase, 1);
}

TEST_F(Flight, ARunnerKeepsOneHpThroughABurstButFallsToFireInItsSixthFrame) {
  PutEnemy(0, 3, 240, 100, 11);
  g.Bombs[0] = BombRecord{260, 120, 16, 0, 2, 1};  // burst already on it
  int damagingFrames = 0;
  for (int frame = 0; frame < 15; ++frame) {
    const int16_t before = g.Enemies[0].Hp;
    BombHits(g);
    damagingFrames += g.Enemies[0].Hp < before;
  }
  EXPECT_EQ(damagingFrames, 10);
  EXPECT_EQ(g.Enemies[0].Hp, 1);
  EXPECT_EQ(g.Enemies[0].Active, -1);
  EXPECT_EQ(g.Bombs[0].Phase, 0);

  Reset();
  PutEnemy(0, 3, 240, 100, 11);
  g.Fires[0] = FireRecord{300, 60, 1, 2};  // flame x 284..316 meets the runner's 240..320
  for (int frame = 1; frame <= 6; ++frame) {
    FireHits(g);
    EXPECT_EQ(g.Enemies[0].Active, frame < 6 ? -1 : 0) << frame;
  }
  EXPECT_EQ(g.Enemies[0].Hp, -1);
  EXPECT_EQ(g.Player.PlayerExp, 40);
  EXPECT_EQ(Sounds("gazer4.wav"), 1);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 0) << "fire burns enemies silently";
}

TEST_F(Flight, AFireBurnsElevenFramesAndBossesCryOutEachTime) {
  PutBoss(0, 1, 200, 0, 80);
  PutEnemy(0, 0, 400, 100, 5);  // out of the flame
  g.Fires[0] = FireRecord{288, 96, 1, 2};
  for (int frame = 0; frame < 14; ++frame) FireHits(g);
  EXPECT_EQ(g.Bosses[0].Hp, 80 - 22);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 11);
  EXPECT_EQ(g.Fires[0].Phase, 0);
  EXPECT_EQ(g.Enemies[0].Hp, 5);
}

TEST_F(Flight, TheSmallLeaperShrugsOffBurstsButNotBombsInFlight) {
  PutBoss(0, 6, 250, 40, 60);
  g.Bombs[0] = BombRecord{256, 130, 16, 0, 1, 1};
  for (int frame = 0; frame < 12; ++frame) BombHits(g);
  EXPECT_EQ(Sounds("explode.wav"), 1) << "a bomb bursts on it";
  EXPECT_EQ(g.Bosses[0].Hp, 60) << "but the burst does it no harm";
}

TEST_F(Flight, AFallenDragonStaysAndTakesHitsInSilence) {
  PutBoss(0, 3, 200, 40, 2);
  PutShot(0, 184, 100, 16, 2);
  ShotHits(g);
  EXPECT_EQ(g.Bosses[0].Active, -1);
  EXPECT_EQ(g.Bosses[0].Anim, 3.0f);
  EXPECT_EQ(g.Bosses[0].Hp, 0);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 1);
  EXPECT_EQ(Sounds("dragon5.wav"), 1);
  PutShot(1, 184, 100, 16, 2);
  g.Fires[0] = FireRecord{280, 40, 1, 2};
  ShotHits(g);
  FireHits(g);
  EXPECT_EQ(g.Shots[1].Active, 0) << "the shot is still spent on it";
  EXPECT_EQ(g.Bosses[0].Hp, -4);
  EXPECT_EQ(Sounds("dragon_asian_atk.wav"), 1);
  EXPECT_EQ(Sounds("dragon5.wav"), 1);
  EXPECT_EQ(g.Player.PlayerExp, 0);
}

}  // namespace
}  // namespace korvela::testing
