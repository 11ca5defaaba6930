#include "events/field_events.h"

#include <gtest/gtest.h>

#include "events/event_cells.h"
#include "events/map_changes.h"
#include "game/save_file.h"
#include "map/map_loader.h"
#include "support/data_folder.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Key;
using testing::EventCell;
using testing::TempDir;
using testing::TestGame;

platform::HeadlessOptions StopEventually() {
  platform::HeadlessOptions options;
  options.untilMs = 60000;  // a wait that never ends fails the test instead of hanging it
  return options;
}

// The three maps in a DATA folder of our own; the heroine on the field at the given view.
struct FieldEventsTest : ::testing::Test {
  TempDir dir;
  TestGame t{StopEventually()};
  Game& g = t.g;

  void SetUp() override {
    g.DataDir = dir.Path() / "DATA";
    g.SoundDir = dir.Path() / "Sound";
    testing::SetUpPlayScreen(g);
    testing::SetNewGameStats(g);
    WriteMaps();
  }
  void WriteMaps(const std::vector<EventCell>& town = {},
                 const std::vector<EventCell>& stages = {}) {
    testing::WriteEventMap(g.DataDir, "01", 255);
    testing::WriteEventMap(g.DataDir, "02", 255, stages);
    testing::WriteEventMap(g.DataDir, "03", 127, town);
  }
  // Loads a map and stands the heroine on a cell holding `code`.
  void StandOn(std::string_view map, uint8_t mode, int originX, int originY, uint8_t code,
               int16_t playerY = 5) {
    LoadMap(g, map);
    g.GameMode = mode;
    g.MapOriginX = static_cast<int16_t>(originX);
    g.MapOriginY = static_cast<int16_t>(originY);
    g.Player.PlayerX = 7;
    g.Player.PlayerY = playerY;
    SetHeroCell(g, code);
    ASSERT_EQ(HeroCell(g), code);
  }
  void ActivateAllTables() {
    for (auto& e : g.Enemies) e.Active = -1;
    for (auto& b : g.Bosses) b.Active = -1;
    for (auto& s : g.EnemyShots) s.Active = -1;
  }
  std::string LastOpened() const {
    std::string last;
    for (const auto& m : t.Effects("music")) {
      if (m.rfind("open", 0) == 0) last = m;
    }
    return last;
  }
  bool Opened(std::string_view track) const {
    return LastOpened() == "open \"" + (g.SoundDir / std::string(track)).string() + "\" alias MIDI";
  }
  static int ActiveCount(const auto& table, int from, int to) {
    int n = 0;
    for (int i = from; i <= to; ++i) n += table[i].Active == -1;
    return n;
  }
};

TEST_F(FieldEventsTest, MountainPassEntranceLoadsTheStageFacingLeft) {
  StandOn("01", 0, 46, 29, 42);
  ActivateAllTables();
  g.ScrollX = 8;
  g.ScrollY = 16;
  g.Player.AnimStep = 3;
  FieldEvents(g);

  EXPECT_EQ(g.MapName, "02");
  EXPECT_EQ(g.GameMode, 1);
  EXPECT_EQ(g.MapOriginX, 219);
  EXPECT_EQ(g.MapOriginY, 85);
  EXPECT_EQ(g.Player.PlayerX, 7);
  EXPECT_EQ(g.Player.PlayerY, 5);
  EXPECT_EQ(g.Player.Facing, 1);
  EXPECT_EQ(g.Player.AnimStep, 0);
  EXPECT_EQ(g.ScrollX, 0);
  EXPECT_EQ(g.ScrollY, 0);
  EXPECT_EQ(ActiveCount(g.Enemies, 0, 9), 0);
  EXPECT_EQ(g.Enemies[10].Active, -1);        // only slots 0-9
  EXPECT_EQ(ActiveCount(g.Bosses, 0, 5), 6);  // the way in clears no boss
  EXPECT_EQ(ActiveCount(g.EnemyShots, 0, 10), 11);
  EXPECT_TRUE(Opened("Dragflit.mid"));
  EXPECT_EQ(t.Effects("music").back(), "play MIDI notify");
  EXPECT_EQ(g.BgmPlaying, -1);
  EXPECT_EQ(t.platform.Clock(), 500u);  // the half-second pause
}

TEST_F(FieldEventsTest, StageExitsClearWhatTheirRowsSay) {
  // 44 clears bosses 0-3 and enemy bullets 0-5 before the field loads, and the enemies.
  StandOn("02", 1, 230, 85, 44);
  ActivateAllTables();
  g.Player.Facing = 1;
  g.ScrollX = 16;
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(g.GameMode, 0);
  EXPECT_EQ(g.MapOriginX, 47);
  EXPECT_EQ(g.MapOriginY, 29);
  EXPECT_EQ(g.ScrollX, 0);
  EXPECT_EQ(g.Player.Facing, 1);  // the way out keeps the facing
  EXPECT_EQ(ActiveCount(g.Bosses, 0, 3), 0);
  EXPECT_EQ(ActiveCount(g.Bosses, 4, 5), 2);
  EXPECT_EQ(ActiveCount(g.EnemyShots, 0, 5), 0);
  EXPECT_EQ(ActiveCount(g.EnemyShots, 6, 10), 5);
  EXPECT_EQ(ActiveCount(g.Enemies, 0, 9), 0);
  EXPECT_TRUE(Opened("Forest_A.mid"));

  // 33 clears the bosses but leaves the enemies and the enemy bullets as they were.
  StandOn("02", 1, 20, 50, 33);
  ActivateAllTables();
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(g.MapOriginX, 12);
  EXPECT_EQ(g.MapOriginY, 13);
  EXPECT_EQ(ActiveCount(g.Bosses, 0, 3), 0);
  EXPECT_EQ(ActiveCount(g.Enemies, 0, 10), 11);
  EXPECT_EQ(ActiveCount(g.EnemyShots, 0, 10), 11);
}

TEST_F(FieldEventsTest, CaveEntranceKeepsTheHeroinesRow) {
  StandOn("01", 0, 30, 40, 32, /*playerY=*/3);
  g.Player.Facing = 3;
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "02");
  EXPECT_EQ(g.GameMode, 1);
  EXPECT_EQ(g.MapOriginX, 2);
  EXPECT_EQ(g.MapOriginY, 50);
  EXPECT_EQ(g.Player.PlayerX, 7);
  EXPECT_EQ(g.Player.PlayerY, 3);
  EXPECT_EQ(g.Player.Facing, 0);
  EXPECT_TRUE(Opened("Cave01.mid"));
}

TEST_F(FieldEventsTest, FirstBossEntranceArmsTheBossStage) {
  StandOn("01", 0, 90, 75, 36);
  FieldEvents(g);
  EXPECT_EQ(g.MapOriginX, 4);
  EXPECT_EQ(g.MapOriginY, 12);
  EXPECT_EQ(g.Player.PlayerY, 6);
  EXPECT_EQ(g.BossStage, 1);
}

TEST_F(FieldEventsTest, TownDoorsKeepScrollFacingAndTables) {
  StandOn("01", 0, 88, 83, 38);
  ActivateAllTables();
  g.ScrollX = 8;
  g.ScrollY = 24;
  g.Player.Facing = 3;
  g.Player.AnimStep = 2;
  g.BossStage = 1;
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "03");
  EXPECT_EQ(g.GameMode, 2);
  EXPECT_EQ(g.MapOriginX, 18);
  EXPECT_EQ(g.MapOriginY, 25);
  EXPECT_TRUE(Opened("Tavern03.mid"));
  auto unchanged = [&] {
    EXPECT_EQ(g.ScrollX, 8);
    EXPECT_EQ(g.ScrollY, 24);
    EXPECT_EQ(g.Player.Facing, 3);
    EXPECT_EQ(g.Player.AnimStep, 2);
    EXPECT_EQ(g.BossStage, 1);
    EXPECT_EQ(ActiveCount(g.Enemies, 0, 10), 11);
    EXPECT_EQ(ActiveCount(g.Bosses, 0, 5), 6);
    EXPECT_EQ(ActiveCount(g.EnemyShots, 0, 10), 11);
  };
  unchanged();

  SetHeroCell(g, 39);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(g.GameMode, 0);
  EXPECT_EQ(g.MapOriginX, 89);
  EXPECT_EQ(g.MapOriginY, 83);
  EXPECT_TRUE(Opened("Forest_A.mid"));
  unchanged();
}

TEST_F(FieldEventsTest, ALaterCodeAtTheArrivalActsInTheSamePassAnEarlierOneWaits) {
  // The town's arrival cell (25, 30) holds the way back out: 39 is tested after 38.
  WriteMaps({{25, 30, 39}});
  StandOn("01", 0, 88, 83, 38);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(g.MapOriginX, 89);
  EXPECT_EQ(t.platform.Clock(), 1000u);  // two changes, two pauses

  // Now it holds 42, tested before 38: it waits for the next pass.
  WriteMaps({{25, 30, 42}});
  StandOn("01", 0, 88, 83, 38);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "03");
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "02");
  EXPECT_EQ(g.MapOriginX, 219);
}

// Seeds the generator so that the next draw r gives Int(r * 5) == want (or != 1 for want -1).
void SeedForDraw(Game& g, int want) {
  for (uint32_t seed = 1;; ++seed) {
    g.Rng.seed(seed);
    const float r = Rnd(g);
    const int got = Int(r * 5);
    if (want >= 0 ? got == want : got != 1) {
      g.Rng.seed(seed);
      return;
    }
  }
}

TEST_F(FieldEventsTest, SecretPassageOpensByChanceAndLeadsBackBesideIt) {
  g.Player.PlayerLevel = 10;
  StandOn("01", 0, 60, 70, 58);
  SeedForDraw(g, 1);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "02");
  EXPECT_EQ(g.GameMode, 1);
  EXPECT_EQ(g.MapOriginX, 115);
  EXPECT_EQ(g.MapOriginY, 101);
  EXPECT_EQ(g.ReturnX, 60);
  EXPECT_EQ(g.ReturnY, 70);
  EXPECT_TRUE(Opened("Dragflit.mid"));

  SetHeroCell(g, 60);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(g.MapOriginX, 61);  // one column right of where it opened
  EXPECT_EQ(g.MapOriginY, 70);

  StandOn("02", 1, 130, 101, 61);
  FieldEvents(g);
  EXPECT_EQ(g.MapOriginX, 59);  // one column left
  EXPECT_EQ(g.MapOriginY, 70);
}

TEST_F(FieldEventsTest, SecretPassageThatStaysShutIsUsedUp) {
  // Below level 10 the cell is erased even with a lucky draw.
  g.Player.PlayerLevel = 9;
  StandOn("01", 0, 60, 70, 58);
  SeedForDraw(g, 1);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(HeroCell(g), 0);

  // At level 10 an unlucky draw erases it too.
  g.Player.PlayerLevel = 10;
  SetHeroCell(g, 58);
  SeedForDraw(g, -1);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(HeroCell(g), 0);

  // With the bag of bombs the code stays and does nothing.
  g.Player.StoryFlags[11] = 1;
  SetHeroCell(g, 58);
  SeedForDraw(g, 1);
  FieldEvents(g);
  EXPECT_EQ(g.MapName, "01");
  EXPECT_EQ(HeroCell(g), 58);

  // The chance is drawn on every pass, on the cell or not.
  SetHeroCell(g, 0);
  g.Rng.seed(5);
  const std::mt19937 before = g.Rng;
  FieldEvents(g);
  EXPECT_NE(g.Rng, before);
}

TEST_F(FieldEventsTest, InnBedHealsOnce) {
  StandOn("03", 2, 2, 19, 48);
  g.Player.PlayerHp = 30;
  g.Player.PlayerStr = 50;
  t.platform.Press(Key::Space);  // passes the message's page
  FieldEvents(g);
  EXPECT_EQ(g.Player.PlayerHp, 50);
  const auto sounds = t.Effects("sound");
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back(), "CockB@11.wav");
  const size_t soundsBefore = sounds.size();
  FieldEvents(g);
  EXPECT_EQ(t.Effects("sound").size(), soundsBefore);  // full HP: nothing more
}

TEST_F(FieldEventsTest, SavePointSavesOnlyWithSpace) {
  std::filesystem::create_directories(g.DataDir);
  StandOn("03", 2, 2, 19, 49);
  g.Player.PlayerExp = 1234;
  FieldEvents(g);
  EXPECT_FALSE(std::filesystem::exists(SaveFilePath(g)));

  t.platform.Press(Key::Space);
  FieldEvents(g);
  t.platform.Release(Key::Space);
  ASSERT_EQ(t.Effects("file"), std::vector<std::string>{SaveFilePath(g).string()});
  PlayerRecord saved;
  std::string why;
  ASSERT_TRUE(ReadSaveFile(SaveFilePath(g), &saved, &why)) << why;
  EXPECT_EQ(saved.PlayerExp, 1234);

  // Space is polled on every pass: a press made off the save point is used up there.
  SetHeroCell(g, 0);
  t.platform.Press(Key::Space);
  t.platform.Release(Key::Space);
  FieldEvents(g);
  EXPECT_FALSE(t.platform.QueryKey(Key::Space).Any());
}

TEST_F(FieldEventsTest, SavePointThatCannotWriteKeepsTheOldSave) {
  StandOn("03", 2, 2, 19, 49);
  g.Player.PlayerExp = 77;
  ASSERT_TRUE(SaveGame(g));
  const auto old = testing::ReadBytes(SaveFilePath(g));
  std::filesystem::permissions(SaveFilePath(g),
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  g.Player.PlayerExp = 500;
  t.platform.Press(Key::Space);
  ::testing::internal::CaptureStderr();
  FieldEvents(g);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(testing::ReadBytes(SaveFilePath(g)), old);
  EXPECT_EQ(t.Effects("file").size(), 1u);
  EXPECT_NE(said.find("read-only"), std::string::npos) << said;
}

TEST(MapChangeTable, HoldsEveryMapChangeCode) {
  for (int code = 0; code < 256; ++code) {
    const bool isChange = (code >= 32 && code <= 45) || code == 51 || code == 52 || code == 58 ||
                          code == 60 || code == 61;
    const MapChange* c = FindMapChange(static_cast<uint8_t>(code));
    EXPECT_EQ(c != nullptr, isChange) << code;
    if (c) {
      EXPECT_TRUE(c->map == "01" || c->map == "02" || c->map == "03") << code;
      EXPECT_EQ(c->mode, c->map == "02" ? 1 : c->map == "03" ? 2 : 0) << code;
    }
  }
}

}  // namespace
}  // namespace korvela
