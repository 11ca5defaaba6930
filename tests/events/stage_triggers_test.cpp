// The stage cell's triggers, the story-flag upgrades and the search command, on small maps held
// in memory.
#include "events/stage_triggers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "events/event_cells.h"
#include "events/field_events.h"
#include "shell/frame_loop.h"
#include "support/temp_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Key;
using testing::TestGame;

platform::HeadlessOptions StopEventually() {
  platform::HeadlessOptions options;
  options.untilMs = 60000;  // a wait that never ends fails the test instead of hanging it
  return options;
}

constexpr int kSide = 64;

// A 64-cell stage in memory: the view at (10, 10), the heroine in screen column 7, row 5, so
// her stage cell is map cell (17, 15).
struct StageTest : ::testing::Test {
  TestGame t{StopEventually()};
  Game& g = t.g;

  void SetUp() override {
    testing::SetUpPlayScreen(g);
    testing::SetNewGameStats(g);
    g.MapLayer1.Reset(kSide);
    g.MapLayer2.Reset(kSide);
    g.MapSize = kSide - 1;
    g.GameMode = 1;
    g.MapOriginX = 10;
    g.MapOriginY = 10;
    g.Player.PlayerX = 7;
    g.Player.PlayerY = 5;
  }
  int Column() const { return g.MapOriginX + 7; }
  int Row() const { return g.MapOriginY + g.Player.PlayerY; }
  // A trigger drawn as a vertical line of `rows` cells through the heroine's row.
  void DrawColumn(uint8_t code, int from = -5, int to = 5) {
    for (int dy = from; dy <= to; ++dy) g.MapLayer2(Column(), Row() + dy) = code;
  }
  int Clicks() const {
    const auto sounds = t.Effects("sound");
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), "ChakiB@22.wav"));
  }
  static int Active(const auto& table) {
    return static_cast<int>(
        std::count_if(table.begin(), table.end(), [](const auto& r) { return r.Active == -1; }));
  }
};

TEST_F(StageTest, UpgradesComeOnceTheTextsSetTheirFlags) {
  auto& flags = g.Player.StoryFlags;
  flags[2] = 1;  // boss 0 beaten
  flags[3] = 1;  // boss 1 beaten
  FieldEvents(g);
  EXPECT_EQ(flags[2], 1) << "no lesson yet";
  EXPECT_EQ(g.Player.PlayerMaxMp, 50);

  flags[7] = 1;  // the elder's text
  flags[8] = 1;  // the sage's text
  for (int frame = 0; frame < 3; ++frame) FieldEvents(g);
  EXPECT_EQ(flags[2], 2);
  EXPECT_EQ(g.Player.SelectCode, 2);
  EXPECT_EQ(flags[3], 2);
  EXPECT_EQ(g.Player.PlayerMaxMp, 100) << "the MP cap rises exactly once";
}

TEST_F(StageTest, EnemyTriggerUsesUpOnlyItsOwnCell) {
  for (uint8_t code = 160; code <= 163; ++code) {
    SCOPED_TRACE(code);
    SetUp();
    for (auto& e : g.Enemies) e.Active = 0;
    g.MapLayer2(Column(), Row()) = code;
    g.MapLayer2(Column() + 1, Row()) = code;
    g.MapLayer2(Column(), Row() + 1) = code;
    FieldEvents(g);
    EXPECT_EQ(g.MapLayer2(Column(), Row()), 0);
    EXPECT_EQ(g.MapLayer2(Column(), Row() + 1), code) << "the cell below keeps its trigger";
    ASSERT_EQ(Active(g.Enemies), 1);
    EXPECT_EQ(g.Enemies[0].Kind, code - 160);
    FieldEvents(g);
    EXPECT_EQ(Active(g.Enemies), 1) << "a used-up cell starts nothing";
    // One column on, the neighbour fires in its turn.
    g.MapOriginX += 1;
    FieldEvents(g);
    EXPECT_EQ(Active(g.Enemies), 2);
  }
}

TEST_F(StageTest, FullTablesUseTheTriggersUpWithoutStartingAnything) {
  for (int i = 0; i <= 9; ++i) g.Enemies[i].Active = -1;
  for (int i = 0; i <= 3; ++i) g.Bosses[i].Active = -1;
  g.MapLayer2(Column(), Row()) = 161;
  FieldEvents(g);
  EXPECT_EQ(g.MapLayer2(Column(), Row()), 0);
  EXPECT_EQ(Active(g.Enemies), 10);

  DrawColumn(177);
  FieldEvents(g);
  for (int dy = -4; dy <= 4; ++dy) EXPECT_EQ(g.MapLayer2(Column(), Row() + dy), 0) << dy;
  EXPECT_EQ(Active(g.Bosses), 4);
  EXPECT_TRUE(t.Effects("sound").empty()) << "no boss, no boss sound";
}

struct BossCase {
  uint8_t code;
  uint8_t bossStage, flag4, flag13;
  int kind;  // -1: the trigger does nothing and keeps its column
};

TEST_F(StageTest, BossTriggersStartTheirKindUnderTheirConditions) {
  const BossCase cases[] = {
      {192, 0, 0, 0, -1}, {192, 1, 0, 0, 0}, {176, 0, 0, 0, 0}, {177, 0, 0, 0, 1},
      {178, 0, 0, 0, 2},  {179, 0, 0, 0, 3}, {180, 0, 0, 0, 4}, {180, 0, 1, 0, 5},
      {181, 0, 0, 0, 5},  {181, 0, 1, 0, 4}, {182, 0, 0, 0, 6}, {183, 0, 0, 0, -1},
      {183, 0, 0, 1, 7},
  };
  for (const BossCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << int(c.code) << " stage " << int(c.bossStage)
                                      << " flag4 " << int(c.flag4) << " egg " << int(c.flag13));
    SetUp();
    for (auto& b : g.Bosses) b.Active = 0;
    g.BossStage = c.bossStage;
    g.Player.StoryFlags[4] = c.flag4;
    g.Player.StoryFlags[13] = c.flag13;
    DrawColumn(c.code);
    FieldEvents(g);
    if (c.kind < 0) {
      EXPECT_EQ(Active(g.Bosses), 0);
      EXPECT_EQ(g.MapLayer2(Column(), Row()), c.code) << "the column stays in place";
      continue;
    }
    ASSERT_EQ(Active(g.Bosses), 1);
    EXPECT_EQ(g.Bosses[0].Kind, c.kind);
    // Four rows above to four rows below are used up; the line's ends beyond them stay.
    for (int dy = -4; dy <= 4; ++dy) EXPECT_EQ(g.MapLayer2(Column(), Row() + dy), 0) << dy;
    EXPECT_EQ(g.MapLayer2(Column(), Row() - 5), c.code);
    EXPECT_EQ(g.MapLayer2(Column(), Row() + 5), c.code);
  }
}

TEST_F(StageTest, TriggerColumnsAtTheLayerEdgesWriteOnlyInsideTheLayer) {
  // The heroine's row on the layer's first and last rows, and her column past its right edge.
  for (int row : {0, 1, kSide - 2, kSide - 1}) {
    SCOPED_TRACE(row);
    SetUp();
    g.MapOriginY = static_cast<int16_t>(row - g.Player.PlayerY);
    for (int y = std::max(0, row - 4); y <= std::min(kSide - 1, row + 4); ++y) {
      g.MapLayer2(Column(), y) = 184;
    }
    t.platform.Press(Key::Space);  // passes the egg's message
    FieldEvents(g);
    t.platform.Release(Key::Space);
    EXPECT_EQ(g.Player.StoryFlags[13], 1);
    for (int y = std::max(0, row - 4); y <= std::min(kSide - 1, row + 4); ++y) {
      EXPECT_EQ(g.MapLayer2(Column(), y), 0) << y;
    }
  }
  SetUp();
  g.MapOriginX = kSide - 7;  // the stage cell is one column past the layer
  g.MapLayer2(kSide - 1, Row()) = 185;
  FieldEvents(g);
  EXPECT_EQ(g.EndingFlag, 0) << "outside the layer there is no event";
}

TEST_F(StageTest, PickUpsAndTheGate) {
  t.platform.Press(Key::Space);  // passes the messages' pages
  // The egg: its column is used up, the message is typed, flag 13 arms the last boss.
  DrawColumn(184, -1, 1);
  FieldEvents(g);
  EXPECT_EQ(g.Player.StoryFlags[13], 1);
  EXPECT_EQ(g.MapLayer2(Column(), Row() - 1), 0);
  EXPECT_EQ(Clicks(), 13) << "古代竜の卵を手に入れた。 and its page wait";

  // The pillar of fire: once per game, and the cell keeps its code.
  g.MapLayer2(Column(), Row()) = 63;
  FieldEvents(g);
  EXPECT_EQ(g.Player.StoryFlags[10], 1);
  EXPECT_EQ(Clicks(), 13 + 17) << "フレームストライクを手に入れた。";
  FieldEvents(g);
  EXPECT_EQ(Clicks(), 13 + 17) << "not again";
  EXPECT_EQ(g.MapLayer2(Column(), Row()), 63);

  g.MapLayer2(Column(), Row()) = 185;
  FieldEvents(g);
  EXPECT_EQ(g.EndingFlag, -1);
}

TEST_F(StageTest, SpaceInAStageSearchesNothing) {
  g.MapLayer2(Column() + 1, Row()) = 101;
  g.SearchTexts[101] = U"あいうPe";
  t.platform.Press(Key::Space);
  RunFrame(g);
  EXPECT_EQ(Clicks(), 0);
}

// The search command on a top-down map of 64 cells, the heroine at (17, 15).
struct SearchTest : StageTest {
  void SetUp() override {
    StageTest::SetUp();
    g.GameMode = 0;
    g.SearchTexts[101] = U"あいうPe";
    g.SearchTexts[255] = U"えおPe";
  }
  // Space held for one search; the clicks typed (one a character, one for the page wait).
  int Search() {
    const int before = Clicks();
    t.platform.Press(Key::Space);
    SearchCommand(g);
    t.platform.Release(Key::Space);
    return Clicks() - before;
  }
};

constexpr int kNothingThere = 11 + 1;  // そこには何もありません and its page wait

TEST_F(SearchTest, FacedCodeChoosesTheTextOrTheStandardAnswer) {
  struct Case {
    uint8_t code;
    int typed;
  };
  const Case cases[] = {{0, kNothingThere},
                        {38, kNothingThere},
                        {48, kNothingThere},
                        {49, kNothingThere},
                        {100, kNothingThere},
                        {101, 4},
                        {255, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.code));
    g.Player.Facing = 2;  // down
    g.MapLayer2(17, 16) = c.code;
    EXPECT_EQ(Search(), c.typed);
  }
  EXPECT_EQ(Search() - Search(), 0);
  // Without Space nothing happens.
  const int before = Clicks();
  SearchCommand(g);
  EXPECT_EQ(Clicks(), before);
}

TEST_F(SearchTest, EachFacingReadsItsNeighbourWrappingAtTheEdges) {
  struct Case {
    int16_t facing, originX, originY;
    int x, y;
  };
  // The heroine's cell is (origin x + 7, origin y + 5).
  const Case cases[] = {
      {0, 10, 10, 18, 15},        {1, 10, 10, 16, 15},       {2, 10, 10, 17, 16},
      {3, 10, 10, 17, 14},        {0, kSide - 8, 10, 0, 15},  // right edge: column 0
      {3, 10, -5, 17, kSide - 1},                             // top edge: the last row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "facing " << c.facing << " at " << c.x << "," << c.y);
    SetUp();
    g.Player.Facing = c.facing;
    g.MapOriginX = c.originX;
    g.MapOriginY = c.originY;
    g.MapLayer2(c.x, c.y) = 101;
    EXPECT_EQ(Search(), 4);
  }
  g.Player.Facing = 7;  // a damaged facing reads no cell
  EXPECT_EQ(Search(), kNothingThere);
}

TEST_F(SearchTest, SavePointThenSearchInOneFrame) {
  testing::TempDir dir;
  g.DataDir = dir.Path();
  SetHeroCell(g, 49);
  g.Player.Facing = 0;
  g.MapLayer2(18, 15) = 101;
  t.platform.Press(Key::Space);  // held through the frame
  FieldEvents(g);
  SearchCommand(g);
  t.platform.Release(Key::Space);
  EXPECT_EQ(t.Effects("file").size(), 1u);
  EXPECT_EQ(Clicks(), 8 + 4) << "保存しました♪ then the text, each with its page wait";
}

}  // namespace
}  // namespace korvela
