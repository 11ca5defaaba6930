// Boss bullets: aiming with the random error and the walking lead, the full table, the area
// limits and hurting through the protection.
#include <cmath>

#include "enemies/enemies.h"
#include "enemy_stage.h"

namespace korvela {
namespace {

using testing::EnemyStage;
using testing::TestGame;

// The three numbers EnemyFire draws, taken from a copy of the generator.
struct Draws {
  int sign, errorX, errorY;
};
Draws NextDraws(const std::mt19937& rng) {
  TestGame other;
  other.g.Rng = rng;
  Draws d{};
  d.sign = Int(Rnd(other.g) * 2) == 1 ? 1 : -1;
  d.errorX = Int(Rnd(other.g) * 4) * d.sign;
  d.errorY = Int(Rnd(other.g) * 4) * d.sign;
  return d;
}

TEST_F(EnemyStage, BulletsAimAtTheHeroineWithASharedSignError) {
  // The aim point is (240, 192) with the heroine in row 5.
  struct Case {
    float x, y;
    int aimX, aimY;  // the aimed part, 12 pixels along the line to the point
  };
  const Case cases[] = {
      {0, 192, 12, 0},     // straight to the right
      {480, 192, -12, 0},  // straight to the left
      {240, 0, 0, 12},     // straight down
      {60, 12, 8, 8},      // 45 degrees: 12 / sqrt(2) = 8.49, with the error added before rounding
  };
  for (uint32_t seed = 0; seed < 40; ++seed) {
    for (const Case& c : cases) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " from " + std::to_string(c.x) + "," +
                   std::to_string(c.y));
      g.EnemyShots[0].Active = 0;
      g.Rng.seed(seed);
      const Draws d = NextDraws(g.Rng);
      EnemyFire(g, c.x, c.y);
      const EnemyShotRecord& s = g.EnemyShots[0];
      ASSERT_EQ(s.Active, -1);
      EXPECT_EQ(s.X, static_cast<int16_t>(c.x));
      EXPECT_EQ(s.Y, static_cast<int16_t>(c.y));
      EXPECT_EQ(s.Speed, 12);
      if (c.x == 60) {
        const double aimed = 12 * 180 / std::hypot(180.0, 180.0);
        EXPECT_EQ(s.DX, CInt(d.errorX + aimed));
        EXPECT_EQ(s.DY, CInt(d.errorY + aimed));
      } else {
        EXPECT_EQ(s.DX, c.aimX + d.errorX);
        EXPECT_EQ(s.DY, c.aimY + d.errorY);
      }
    }
  }
  EXPECT_EQ(Sounds("shot.wav"), 40 * 4);
}

TEST_F(EnemyStage, AWalkingHeroineIsLedByFourPixels) {
  struct Case {
    int16_t facing, animStep;
    int lead;
  };
  const Case cases[] = {{0, 0, 0}, {0, 2, 4}, {1, 0, 0}, {1, 3, -4}, {2, 1, 0}, {3, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("facing " + std::to_string(c.facing) + " step " + std::to_string(c.animStep));
    g.EnemyShots[0].Active = 0;
    g.Player.Facing = c.facing;
    g.Player.AnimStep = c.animStep;
    g.Rng.seed(7);
    const Draws d = NextDraws(g.Rng);
    EnemyFire(g, 0, 192);
    EXPECT_EQ(g.EnemyShots[0].DX, 12 + d.errorX + c.lead);
    EXPECT_EQ(g.EnemyShots[0].DY, d.errorY);
  }
}

TEST_F(EnemyStage, ABulletFiredOnTheAimPointHasNoAimedMovement) {
  for (uint32_t seed = 0; seed < 20; ++seed) {
    g.EnemyShots[0].Active = 0;
    g.Rng.seed(seed);
    const std::mt19937 before = g.Rng;
    EnemyFire(g, 240, 192);
    EXPECT_EQ(g.EnemyShots[0].DX, 0);
    EXPECT_EQ(g.EnemyShots[0].DY, 0);
    EXPECT_EQ(g.Rng, After(before, 3)) << "it draws its numbers like any bullet";
  }
  g.Player.AnimStep = 1;  // the walking lead still applies
  g.EnemyShots[0].Active = 0;
  EnemyFire(g, 240, 192);
  EXPECT_EQ(g.EnemyShots[0].DX, 4);
}

TEST_F(EnemyStage, AFullTableDropsTheShotSilentlyButStillDrawsTheSign) {
  for (int i = 0; i < 7; ++i) EnemyFire(g, 0, 100);
  EXPECT_EQ(Active(g.EnemyShots), 5);
  for (size_t i = 5; i < g.EnemyShots.size(); ++i) EXPECT_EQ(g.EnemyShots[i].Active, 0);
  EXPECT_EQ(Sounds("shot.wav"), 5);

  const std::mt19937 before = g.Rng;
  EnemyFire(g, 0, 100);
  EXPECT_EQ(g.Rng, After(before, 1));
  EXPECT_EQ(Sounds("shot.wav"), 5);
}

TEST_F(EnemyStage, BulletsAreFreedBeyondTheAreaEdges) {
  g.HurtGuard = -1;
  struct Case {
    int16_t x, y, dx, dy;
    bool freed;
  };
  const Case cases[] = {
      {-150, 100, -10, 0, false},                          // -160 is still inside
      {-150, 100, -11, 0, true},                           // -161
      {710, 100, 10, 0, false},                            // 720 is still inside
      {710, 100, 11, 0, true},    {100, 5, 0, -5, false},  // 0
      {100, 5, 0, -6, true},                               // -1: the top frees at once
      {100, 380, 0, 4, false},                             // 384
      {100, 380, 0, 5, true},                              // 385
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " by " + std::to_string(c.dx) +
                 "," + std::to_string(c.dy));
    EnemyShotRecord& s = g.EnemyShots[2];
    s = EnemyShotRecord{c.x, c.y, c.dx, c.dy, 12, -1};
    EnemyShotsHitPlayer(g);
    EXPECT_EQ(s.X, c.x + c.dx);
    EXPECT_EQ(s.Y, c.y + c.dy);
    EXPECT_EQ(s.Active, c.freed ? 0 : -1);
  }
}

TEST_F(EnemyStage, ABulletHurtsOnceAndFliesOnThroughTheProtection) {
  // Her body spans x 224..256, y 160..224; the bullet's centre crosses it left to right.
  g.EnemyShots[0] = EnemyShotRecord{180, 170, 8, 0, 12, -1};
  std::vector<float> hp;
  for (int frame = 0; frame < 10; ++frame) {
    EnemyShotsHitPlayer(g);
    hp.push_back(g.Player.PlayerHp);
  }
  // Centre 204, 212, 220, 228 (inside), 236, ...
  EXPECT_EQ(hp, (std::vector<float>{50, 50, 50, 40, 40, 40, 40, 40, 40, 40}));
  EXPECT_EQ(Sounds("scream.wav"), 1);
  EXPECT_EQ(g.EnemyShots[0].Active, -1);

  // Without the guard the same bullet would hurt again.
  g.HurtGuard = 0;
  g.EnemyShots[0] = EnemyShotRecord{212, 170, 0, 0, 12, -1};
  EnemyShotsHitPlayer(g);
  EXPECT_EQ(g.Player.PlayerHp, 30);
}

TEST_F(EnemyStage, ABulletFreedThisFrameStillTouches) {
  // HeroTop near the top of the screen: a bullet leaving upwards still has its centre inside.
  g.Player.PlayerY = 0;
  g.EnemyShots[0] = EnemyShotRecord{224, 4, 0, -8, 12, -1};  // to y -4, centre (240, 12)
  EnemyShotsHitPlayer(g);
  EXPECT_EQ(g.EnemyShots[0].Active, 0);
  EXPECT_EQ(g.Player.PlayerHp, 40);
}

}  // namespace
}  // namespace korvela
