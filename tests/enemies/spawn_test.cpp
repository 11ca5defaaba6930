// Starting enemies and bosses: slots, hit points, start points and sounds.
#include "enemies/enemies.h"
#include "enemy_stage.h"

namespace korvela {
namespace {

using testing::EnemyStage;

TEST_F(EnemyStage, FullTablesDropFurtherRequestsWithoutASound) {
  for (int i = 0; i < 12; ++i) SpawnEnemy(g, 2);
  EXPECT_EQ(Active(g.Enemies), 10);
  EXPECT_EQ(g.Enemies[10].Active, 0) << "slot 10 is never used";

  for (int i = 0; i < 6; ++i) SpawnBoss(g, 1);
  EXPECT_EQ(Active(g.Bosses), 4);
  EXPECT_EQ(g.Bosses[4].Active, 0);
  EXPECT_EQ(g.Bosses[5].Active, 0);
  EXPECT_EQ(Sounds("liche1.wav"), 4) << "only the bosses that came in were heard";

  // Freeing a middle slot makes it the next one taken.
  g.Enemies[3].Active = 0;
  SpawnEnemy(g, 0);
  EXPECT_EQ(g.Enemies[3].Active, -1);
  EXPECT_EQ(g.Enemies[3].Kind, 0);
}

TEST_F(EnemyStage, UnknownKindsStartNothing) {
  SpawnEnemy(g, 4);
  SpawnEnemy(g, -1);
  SpawnBoss(g, 8);
  SpawnBoss(g, -1);
  EXPECT_EQ(Active(g.Enemies), 0);
  EXPECT_EQ(Active(g.Bosses), 0);
  EXPECT_TRUE(t.Effects("sound").empty());
}

TEST_F(EnemyStage, EnemiesStartByKind) {
  bool seenLeft = false, seenRight = false;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    g.Rng.seed(seed);
    for (int16_t kind = 0; kind <= 3; ++kind) {
      g.Enemies[0].Active = 0;
      g.Enemies[0].Anim = 3.2f;
      g.Enemies[0].DY = 5;
      SpawnEnemy(g, kind);
      const EnemyRecord& e = g.Enemies[0];
      SCOPED_TRACE("seed " + std::to_string(seed) + " kind " + std::to_string(kind));
      ASSERT_EQ(e.Active, -1);
      EXPECT_EQ(e.Hp, kind * 3 + 2);
      EXPECT_EQ(e.Anim, 0);
      EXPECT_EQ(e.DY, 0);
      if (kind <= 1) {
        ASSERT_TRUE(e.X == 0 || e.X == 480) << e.X;
        EXPECT_EQ(e.Dir, e.X == 0 ? 1 : 0);
        EXPECT_EQ(e.DX, 0);
        (e.X == 0 ? seenLeft : seenRight) = true;
      } else {
        EXPECT_EQ(e.X, 544);
        EXPECT_EQ(e.Y, 1);
        EXPECT_EQ(e.Dir, 0);
        EXPECT_EQ(e.DX, kind == 3 ? -8 : 0);
      }
      if (kind == 0) {
        // The heroine's row (5, y 160) or one or two rows above it, never below.
        EXPECT_TRUE(e.Y == 160 || e.Y == 128 || e.Y == 96) << e.Y;
      }
      if (kind == 1) {
        EXPECT_GE(e.Y, -100);
        EXPECT_LE(e.Y, 283);
        EXPECT_EQ(e.Y, static_cast<int>(e.Y));
      }
    }
  }
  EXPECT_TRUE(seenLeft && seenRight);
}

TEST_F(EnemyStage, BossesStartByKind) {
  struct Start {
    int16_t hp;
    float x, y, dx;
    int16_t dir;
    const char* sound;
  };
  // DX -99 marks kinds that keep the slot's DX and DY.
  const Start starts[8] = {
      {100, 480, -32, -99, 0, ""},
      {80, 544, 0, -99, 0, "liche1.wav"},
      {250, 512, 96, -99, 0, "daemon1.wav"},
      {250, 512, -32, -99, 0, "dragon1.wav"},
      {120, 960, -96, -99, 0, "dragon1.wav"},
      {150, 960, -96, -99, 0, "dragon1.wav"},
      {60, 544, 160, -16, 0, "liche1.wav"},
      {120, -64, 192, 16, 1, "liche1.wav"},
  };
  for (int16_t kind = 0; kind < 8; ++kind) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    const Start& s = starts[kind];
    EnemyRecord& b = g.Bosses[0];
    b = EnemyRecord{};
    b.Dir = 1 - s.dir;
    b.Anim = 2;
    b.DX = 7;
    b.DY = 9;
    b.Timer = 41;
    b.FireTimer = 59;
    const size_t soundsBefore = t.Effects("sound").size();
    SpawnBoss(g, kind);
    EXPECT_EQ(b.Active, -1);
    EXPECT_EQ(b.Kind, kind);
    EXPECT_EQ(b.Hp, s.hp);
    EXPECT_EQ(b.X, s.x);
    EXPECT_EQ(b.Y, s.y);
    EXPECT_EQ(b.Dir, s.dir);
    EXPECT_EQ(b.Anim, 0);
    EXPECT_EQ(b.DX, s.dx == -99 ? 7 : s.dx);
    EXPECT_EQ(b.DY, s.dx == -99 ? 9 : 0);
    EXPECT_EQ(b.Timer, 41) << "a reused slot keeps its counters";
    EXPECT_EQ(b.FireTimer, 59);
    const auto sounds = t.Effects("sound");
    if (*s.sound) {
      ASSERT_EQ(sounds.size(), soundsBefore + 1);
      EXPECT_EQ(sounds.back(), s.sound);
    } else {
      EXPECT_EQ(sounds.size(), soundsBefore) << "boss 0 arrives silently";
    }
  }
}

}  // namespace
}  // namespace korvela
