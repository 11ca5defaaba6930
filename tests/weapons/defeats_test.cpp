// What beating each kind of enemy and boss brings: sounds, experience on the caption, story
// flags, the item message and the last boss's gate.
#include "combat_fixture.h"
#include "game/music.h"

namespace korvela::testing {
namespace {

using platform::InputEvent;
using platform::Key;

// Space held from the start, so the messages of the bosses pass at once.
platform::HeadlessOptions SpaceHeld() {
  platform::HeadlessOptions options;
  options.input.push_back({0, InputEvent::Kind::Down, Key::Space});
  return options;
}

struct Defeats : Combat {
  Defeats() : Combat(SpaceHeld()) { t.platform.Yield(); }

  // A shot of one point that finishes a one-point target near (200, 40).
  void ShootDown(int16_t kind, bool boss) {
    if (boss) {
      PutBoss(1, kind, kind == 7 ? 180.0f : 200.0f, 40, 1);  // the last boss is hit further in
    } else {
      PutEnemy(3, kind, 200, 40, 1);
    }
    PutShot(0, 190, 70, 16);  // centre (222, 86)
    ShotHits(g);
  }
};

TEST_F(Defeats, ExperienceSoundAndCaptionByKind) {
  struct Case {
    bool boss;
    int16_t kind;
    int exp;
    const char* cry;
    bool freed;
  } cases[] = {
      {false, 0, 10, "gazer4.wav", true},  {false, 1, 20, "gazer4.wav", true},
      {false, 2, 30, "gazer4.wav", true},  {false, 3, 40, "gazer4.wav", true},
      {true, 0, 300, "gazer4.wav", true},  {true, 1, 300, "liche5.wav", true},
      {true, 2, 500, "daemon5.wav", true}, {true, 3, 0, "dragon5.wav", false},
      {true, 4, 500, "dragon5.wav", true}, {true, 5, 1000, "dragon5.wav", true},
      {true, 6, 500, "liche5.wav", true},  {true, 7, 0, "liche5.wav", true},
  };
  for (const Case& c : cases) {
    Reset();
    g.Player.PlayerExp = 70;
    const size_t captions = t.Effects("caption").size();
    const long cries = Sounds(c.cry);
    ShootDown(c.kind, c.boss);
    const std::string what = (c.boss ? "boss " : "enemy ") + std::to_string(c.kind);
    EXPECT_EQ(g.Player.PlayerExp, 70 + c.exp) << what;
    EXPECT_EQ(Sounds(c.cry) - cries, 1) << what;
    const EnemyRecord& target = c.boss ? g.Bosses[1] : g.Enemies[3];
    EXPECT_EQ(target.Active, c.freed ? 0 : -1) << what;
    if (c.boss && c.kind == 3) {
      EXPECT_EQ(t.Effects("caption").size(), captions) << what << ": no caption update";
    } else {
      ASSERT_GT(t.Effects("caption").size(), captions) << what;
      EXPECT_NE(t.Effects("caption").back().find("EXP/Next=" + std::to_string(70 + c.exp) + "/"),
                std::string::npos)
          << what;
    }
  }
}

TEST_F(Defeats, TheFirstBossesSetTheirFlagsUnlessTheirItemIsAlreadyUsed) {
  struct Case {
    int16_t kind;
    int readFlag;
    uint8_t readValue;
    int setFlag;
    uint8_t expected;
  } cases[] = {{0, 7, 0, 2, 1}, {0, 7, 1, 2, 0}, {1, 8, 0, 3, 1}, {1, 8, 2, 3, 0}};
  for (const Case& c : cases) {
    Reset();
    g.Player.StoryFlags[c.readFlag] = c.readValue;
    g.BossStage = 1;
    ShootDown(c.kind, true);
    EXPECT_EQ(g.Player.StoryFlags[c.setFlag], c.expected) << c.kind << " " << int{c.readValue};
    EXPECT_EQ(g.BossStage, c.kind == 0 ? 0 : 1) << "only the first boss ends the boss stage";
  }
}

TEST_F(Defeats, TheTwoFlyersToggleFlagFour) {
  ShootDown(4, true);
  EXPECT_EQ(g.Player.StoryFlags[4], 1);
  ShootDown(5, true);
  EXPECT_EQ(g.Player.StoryFlags[4], 0);
  Reset();
  ShootDown(5, true);
  EXPECT_EQ(g.Player.StoryFlags[4], 0) << "the second first leaves it unset";
  g.Player.StoryFlags[4] = 2;
  ShootDown(4, true);
  EXPECT_EQ(g.Player.StoryFlags[4], 2);
  ShootDown(5, true);
  EXPECT_EQ(g.Player.StoryFlags[4], 2);
}

TEST_F(Defeats, TheLeaperGivesTheBagOfBombsAfterItsMessage) {
  const uint32_t start = t.platform.Clock();
  ShootDown(6, true);
  EXPECT_EQ(g.Player.StoryFlags[11], 1);
  EXPECT_GE(t.platform.Clock() - start, 2000u + 500u) << "the pause and the message's own";
  EXPECT_GT(Sounds("ChakiB@22.wav"), 5) << "the message was typed";
}

TEST_F(Defeats, TheLastBossOpensTheGateInBothLayersAndAShotStopsTheMusic) {
  struct Case {
    Attack attack;
    bool musicStops;
  } cases[] = {{Attack::Shot, true}, {Attack::Fire, false}, {Attack::Bomb, false}};
  for (const Case& c : cases) {
    Reset();
    g.BgmPlaying = -1;
    PutBoss(2, 7, 100.5f, 150, 0);  // rounds to 100: column 3 of the screen, gate in 5
    DefeatBoss(g, 2, c.attack);
    EXPECT_EQ(g.BgmPlaying, c.musicStops ? 0 : -1);
    EXPECT_EQ(g.MapLayer1(g.MapOriginX + 5, g.MapOriginY + 8), 127);
    EXPECT_EQ(g.MapLayer1(g.MapOriginX + 5, g.MapOriginY + 7), 111);
    EXPECT_EQ(g.MapLayer2(g.MapOriginX + 5, g.MapOriginY + 8), 185);
    EXPECT_EQ(g.MapLayer2(g.MapOriginX + 5, g.MapOriginY + 7), 185);
    EXPECT_EQ(g.MapLayer1(g.MapOriginX + 4, g.MapOriginY + 8), 0);
    EXPECT_EQ(g.MapLayer1(g.MapOriginX + 5, g.MapOriginY + 9), 0);
    EXPECT_EQ(t.Effects("sound").back(), "gatetrvl.wav");
  }
  // Halves round to the even neighbour: 95.5 goes to 96, column 3; 94.5 to 94, column 2.
  for (const auto& [x, col] : {std::pair{95.5f, 5}, std::pair{94.5f, 4}, std::pair{-20.0f, 2}}) {
    Reset();
    PutBoss(0, 7, x, 150, 0);
    DefeatBoss(g, 0, Attack::Fire);
    EXPECT_EQ(g.MapLayer2(g.MapOriginX + col, g.MapOriginY + 8), 185) << x;
  }
}

TEST_F(Defeats, AGateBeyondTheMapsEdgeIsNotWritten) {
  g.MapOriginX = 60;
  g.MapOriginY = 60;
  PutBoss(0, 7, 400, 150, 0);
  DefeatBoss(g, 0, Attack::Shot);
  EXPECT_EQ(t.Effects("sound").back(), "gatetrvl.wav");
  EXPECT_EQ(g.Bosses[0].Active, 0);
}

}  // namespace
}  // namespace korvela::testing
