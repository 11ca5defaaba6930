// Starting shots, the fire and bombs from keys X and C: costs, ready flags, the latch, slots and
// where each attack appears.
#include "combat_fixture.h"

namespace korvela::testing {
namespace {

using platform::Key;

using AttackStart = Combat;

TEST_F(AttackStart, BothKeysHeldFireOnlyTheXShotOnOneReadyFlag) {
  g.Player.WeaponX = 0;
  g.Player.WeaponC = 1;
  t.platform.Press(Key::X);
  t.platform.Press(Key::C);
  FireShot(g);
  EXPECT_EQ(g.Shots[0].Active, -1);
  EXPECT_EQ(g.Shots[0].Kind, 0);
  EXPECT_EQ(g.Shots[0].Power, 1);
  EXPECT_EQ(g.Shots[1].Active, 0) << "C cannot follow: ShotReady is spent";
  EXPECT_FLOAT_EQ(g.Player.PlayerMp, 44);
  EXPECT_EQ(g.ShotReady, 0);
  EXPECT_EQ(Sounds("shot.wav"), 1);
  FireShot(g);
  EXPECT_EQ(g.Shots[1].Active, 0);
}

TEST_F(AttackStart, ShotsNeedTenMpAndCostSixOrTen) {
  struct Case {
    float mp;
    uint8_t code;
    bool fires;
    float mpAfter;
  } cases[] = {{9.5f, 1, false, 9.5f},
               {9.5f, 0, false, 9.5f},
               {10, 1, true, 0},
               {10, 0, true, 4},
               {50, 1, true, 40}};
  for (const Case& c : cases) {
    Reset();
    g.Player.PlayerMp = c.mp;
    g.Player.WeaponC = c.code;
    t.platform.Press(Key::C);
    const size_t soundsBefore = SoundCount();
    FireShot(g);
    EXPECT_EQ(g.Shots[0].Active, c.fires ? -1 : 0) << c.mp << " kind " << int{c.code};
    EXPECT_FLOAT_EQ(g.Player.PlayerMp, c.mpAfter) << c.mp;
    EXPECT_EQ(g.ShotReady, c.fires ? 0 : -1) << c.mp;
    EXPECT_EQ(SoundCount() - soundsBefore, c.fires ? 1u : 0u) << c.mp;
    if (c.fires) {
      EXPECT_EQ(g.Shots[0].Power, c.code + 1);
    }
  }
}

TEST_F(AttackStart, EachAttackStartsBesideHerOnHerSide) {
  // Her top edge is at 5 x 32 - 6 = 154.
  struct Case {
    uint8_t code;
    int16_t facing, facingAfter, x, y, dx;
  } cases[] = {
      {0, 0, 2, 256, 164, 16},  {1, 2, 2, 256, 164, 16},  {0, 1, 3, 192, 164, -16},
      {1, 3, 3, 192, 164, -16}, {2, 0, 2, 288, 90, 0},    {2, 3, 3, 192, 90, 0},
      {3, 2, 2, 256, 164, 16},  {3, 1, 3, 192, 164, -16},
  };
  for (const Case& c : cases) {
    Reset();
    g.ScrollY = 6;
    g.Player.Facing = c.facing;
    g.Player.AnimStep = 4;
    g.Player.WeaponX = c.code;
    t.platform.Press(Key::X);
    FireShot(g);
    ThrowBomb(g);
    CastFire(g);
    t.platform.Release(Key::X);
    struct Start {
      int16_t x, y, dx, dy;
      int power;
    } got{};
    if (c.code <= 1) {
      const ShotRecord& s = g.Shots[0];
      got = {s.X, s.Y, s.DX, s.DY, s.Power};
      EXPECT_EQ(s.Heading, c.dx < 0 ? 1 : 0);
    } else if (c.code == 2) {
      got = {g.Fires[0].X, g.Fires[0].Y, 0, 0, g.Fires[0].Power};
    } else {
      const BombRecord& b = g.Bombs[0];
      got = {b.X, b.Y, b.DX, b.DY, b.Power};
    }
    const std::string what =
        "code " + std::to_string(c.code) + " facing " + std::to_string(c.facing);
    EXPECT_EQ(g.Player.Facing, c.facingAfter) << what;
    EXPECT_EQ(g.Player.AnimStep, 0) << what << ": the step wraps at 5";
    EXPECT_EQ(got.x, c.x) << what;
    EXPECT_EQ(got.y, c.y) << what;
    EXPECT_EQ(got.dx, c.dx) << what;
    EXPECT_EQ(got.dy, c.code == 3 ? -32 : 0) << what;
    EXPECT_EQ(got.power, c.code == 0 || c.code == 3 ? 1 : 2) << what;
  }
  // The throw itself is silent and free; only the bomb's ready flag is spent.
  EXPECT_EQ(g.BombReady, 0);
  EXPECT_EQ(g.ShotReady, -1);
  EXPECT_FLOAT_EQ(g.Player.PlayerMp, 50);
  EXPECT_EQ(Sounds("shot.wav") + Sounds("fire04.wav"), 6);
  EXPECT_EQ(SoundCount(), 6u);
}

TEST_F(AttackStart, FireNeedsFortyMpCostsFiftyAndLatchesTheKey) {
  g.Player.WeaponX = 2;
  g.Player.PlayerMp = 45;
  t.platform.Press(Key::X);
  CastFire(g);
  EXPECT_EQ(g.Fires[0].Phase, 1);
  EXPECT_FLOAT_EQ(g.Player.PlayerMp, -5) << "below zero until the end of the frame";
  RegenerateMp(g);
  EXPECT_FLOAT_EQ(g.Player.PlayerMp, 0);
  EXPECT_EQ(Sounds("fire04.wav"), 1);
  EXPECT_EQ(g.ShotReady, 0);

  // Too little MP: nothing is cast, but the press is used up.
  t.platform.Release(Key::X);
  t.platform.Yield();
  EXPECT_EQ(g.FireLatch, 0) << "releasing X re-arms the fire";
  g.ShotReady = -1;
  g.Player.PlayerMp = 39.9f;
  t.platform.Press(Key::X);
  CastFire(g);
  EXPECT_EQ(g.Fires[1].Phase, 0);
  EXPECT_EQ(g.FireLatch, -1);
  EXPECT_EQ(g.ShotReady, -1);
  EXPECT_FLOAT_EQ(g.Player.PlayerMp, 39.9f);
  EXPECT_EQ(Sounds("fire04.wav"), 1);
}

TEST_F(AttackStart, HoldingTheFireKeyCastsOnceUntilReleased) {
  g.Player.WeaponC = 2;
  t.platform.Press(Key::C);
  for (int frame = 0; frame < 60; ++frame) {
    g.Player.PlayerMp = 50;
    Frame();
  }
  EXPECT_EQ(Sounds("fire04.wav"), 1) << "the cool-down ended long ago, but C was never let go";
  t.platform.Release(Key::C);
  t.platform.Yield();
  t.platform.Press(Key::C);
  Frame();
  EXPECT_EQ(Sounds("fire04.wav"), 2);
}

TEST_F(AttackStart, ShotAndFireWaitOnTheSameCoolDown) {
  // DEX 50: ready again after Int(60 / 5) + 1 = 13 counted frames.
  for (bool shotFirst : {true, false}) {
    Reset();
    g.Player.WeaponX = shotFirst ? 0 : 2;
    g.Player.WeaponC = shotFirst ? 2 : 0;
    const Key first = Key::X;
    const Key second = Key::C;
    const std::string second_sound = shotFirst ? "fire04.wav" : "shot.wav";
    const long before = Sounds(second_sound);
    t.platform.Press(first);
    g.Player.PlayerMp = 50;
    Frame();
    t.platform.Release(first);
    t.platform.Press(second);
    int framesUntilSecond = 0;
    while (Sounds(second_sound) == before && framesUntilSecond < 100) {
      g.Player.PlayerMp = 50;
      Frame();
      ++framesUntilSecond;
      // The fire key is latched by any press during the cool-down: let it go and press again.
      t.platform.Release(second);
      t.platform.Yield();
      t.platform.Press(second);
    }
    EXPECT_EQ(framesUntilSecond, 13) << (shotFirst ? "shot, then fire" : "fire, then shot");
    t.platform.Release(second);
    t.platform.Yield();
  }
}

TEST_F(AttackStart, FullTablesStartNothing) {
  for (int i = 0; i < 21; ++i) g.Shots[i].Active = -1;
  for (int i = 0; i < 5; ++i) g.Fires[i].Phase = 3;
  for (int i = 0; i < 6; ++i) g.Bombs[i].Phase = 1;
  for (uint8_t code = 0; code < 4; ++code) {
    g.Player.WeaponX = code;
    g.FireLatch = 0;
    t.platform.Press(Key::X);
    FireShot(g);
    ThrowBomb(g);
    CastFire(g);
    EXPECT_EQ(g.ShotReady, -1) << int{code};
    EXPECT_EQ(g.BombReady, -1) << int{code};
    EXPECT_FLOAT_EQ(g.Player.PlayerMp, 50) << int{code};
  }
  EXPECT_EQ(g.Shots[21].Active, 0) << "slots from 21 up are never used";
  EXPECT_EQ(g.Fires[5].Phase, 0);
  EXPECT_EQ(g.Bombs[6].Phase, 0);
  EXPECT_EQ(SoundCount(), 0u);

  // The last usable slot of each table is taken once it is free.
  g.Shots[20].Active = 0;
  g.Player.WeaponX = 1;
  FireShot(g);
  EXPECT_EQ(g.Shots[20].Active, -1);
  g.Bombs[5].Phase = 0;
  g.Player.WeaponX = 3;
  ThrowBomb(g);
  EXPECT_EQ(g.Bombs[5].Phase, 1);
}

}  // namespace
}  // namespace korvela::testing
