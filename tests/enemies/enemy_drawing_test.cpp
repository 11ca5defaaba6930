// Drawing enemies, bosses and bullets from test sheets: the right cell, the right place, mask
// first so only the opaque pixels show.
#include "enemies/enemies.h"
#include "enemy_stage.h"

namespace korvela {
namespace {

using platform::Color;
using testing::EnemyStage;

constexpr Color kBackground = 0x204060;

// A white sheet with one opaque square: its image pixels in `color` at (x, y), the mask black
// at (x, maskY).
Surface SheetWithSquare(int w, int h, int x, int y, int maskY, int side, Color color) {
  Surface s(w, h, platform::kWhite);
  s.FillRect(x, y, side, side, color);
  s.FillRect(x, maskY, side, side, platform::kBlack);
  return s;
}

struct DrawingTest : EnemyStage {
  void SetUp() override {
    EnemyStage::SetUp();
    g.Crt.Clear(kBackground);
    g.Enemy = Surface(965, 515, platform::kWhite);
    g.Boss = Surface(1796, 1349, platform::kWhite);
    g.Boss2 = Surface(3209, 1545, platform::kWhite);
    g.Buri = Surface(1280, 192, platform::kWhite);
    g.sonota = Surface(485, 355, platform::kWhite);
  }
  // How many pixels of the screen differ from the background.
  int Changed() const {
    int n = 0;
    for (int y = 0; y < g.Crt.Height(); ++y)
      for (int x = 0; x < g.Crt.Width(); ++x) n += g.Crt.At(x, y) != kBackground;
    return n;
  }
};

TEST_F(DrawingTest, OneEnemyAndOneBulletFromTheirCells) {
  // Enemy kind 0 facing right in frame 2 (Anim 2.8): cell x (2 + 5) * 64 = 448, image row 0,
  // mask row 64. A 64-pixel square fills the whole cell; a decoy fills frame 2 facing left.
  g.Enemy = SheetWithSquare(965, 515, 448, 0, 64, 64, 0xFF0000);
  g.Enemy.FillRect(128, 0, 64, 64, 0x00FF00);
  g.Enemy.FillRect(128, 64, 64, 64, platform::kBlack);
  EnemyRecord& e = Place(0, 0, 100, 50, 1);
  e.Anim = 2.8f;
  // The bullet: a 10-pixel square inside the 32-pixel cell at (0, 0), mask at (0, 32).
  g.sonota = SheetWithSquare(485, 355, 11, 11, 43, 10, 0x0000FF);
  g.EnemyShots[0] = EnemyShotRecord{300, 200, 0, 0, 12, -1};

  DrawEnemies(g);
  DrawEnemyShots(g);

  EXPECT_EQ(g.Crt.At(84, 50), 0xFF0000u) << "drawn at (X - 16, Y)";
  EXPECT_EQ(g.Crt.At(84 + 63, 50 + 63), 0xFF0000u);
  EXPECT_EQ(g.Crt.At(83, 50), kBackground);
  EXPECT_EQ(g.Crt.At(84 + 64, 50), kBackground);
  EXPECT_EQ(g.Crt.At(311, 211), 0x0000FFu);
  EXPECT_EQ(g.Crt.At(320, 220), 0x0000FFu);
  EXPECT_EQ(g.Crt.At(310, 211), kBackground) << "white in the mask leaves the screen alone";
  EXPECT_EQ(Changed(), 64 * 64 + 10 * 10);
}

TEST_F(DrawingTest, InactiveRecordsAndUnusedSlotsAreNotDrawn) {
  g.Enemy = SheetWithSquare(965, 515, 0, 0, 64, 64, 0xFF0000);
  g.sonota = SheetWithSquare(485, 355, 0, 0, 32, 32, 0x0000FF);
  Place(0, 0, 100, 50, 0).Active = 0;
  Place(10, 0, 100, 50, 0);  // slot 10 is outside the used range
  g.EnemyShots[0] = EnemyShotRecord{300, 200, 0, 0, 12, 0};
  g.EnemyShots[5] = EnemyShotRecord{300, 200, 0, 0, 12, -1};
  g.Bosses[4].Active = -1;
  DrawEnemies(g);
  DrawEnemyShots(g);
  DrawBosses(g);
  EXPECT_EQ(Changed(), 0);
}

TEST_F(DrawingTest, LaterSlotsCoverEarlierOnesAndPositionsRoundHalvesToEven) {
  g.Enemy = SheetWithSquare(965, 515, 0, 128, 192, 64, 0xFF0000);  // kind 1, frame 0, left
  g.Enemy.FillRect(0, 256, 64, 64, 0x00FF00);                      // kind 2, frame 0, left
  g.Enemy.FillRect(0, 320, 64, 64, platform::kBlack);
  Place(0, 1, 116.5f, 20.5f, 0);  // drawn at 100.5 -> 100, 20.5 -> 20
  Place(1, 2, 117.5f, 21.5f, 0);  // 101.5 -> 102, 21.5 -> 22
  DrawEnemies(g);
  EXPECT_EQ(g.Crt.At(100, 20), 0xFF0000u);
  EXPECT_EQ(g.Crt.At(101, 21), 0xFF0000u);
  EXPECT_EQ(g.Crt.At(102, 22), 0x00FF00u) << "slot 1 over slot 0";
  EXPECT_EQ(g.Crt.At(101, 83), 0xFF0000u);
  EXPECT_EQ(g.Crt.At(99, 20), kBackground);
  EXPECT_EQ(g.Crt.At(165, 85), 0x00FF00u);
}

// For each kind: the sheet, the expected top-left of its image and mask cell for one frame and
// facing, and where that corner lands on the screen.
TEST_F(DrawingTest, EveryEnemyAndBossKindUsesItsCell) {
  struct Case {
    bool boss;
    int16_t kind, dir;
    float anim, x, y;
    Surface Game::*sheet;
    int cellX, imageY, maskY;
    int screenX, screenY;
  };
  const Case cases[] = {
      {false, 0, 0, 4.9f, 100, 50, &Game::Enemy, 4 * 64, 0, 64, 84, 50},
      {false, 1, 1, 0.4f, 100, 50, &Game::Enemy, 5 * 64, 128, 192, 84, 50},
      {false, 2, 1, 3.0f, 100, 50, &Game::Enemy, 8 * 64, 256, 320, 84, 50},
      {false, 3, 1, 1.2f, 300, 50, &Game::Enemy, 6 * 96, 384, 448, 284, 50},
      {true, 0, 1, 3, 10, 20, &Game::Boss, 7 * 192, 0, 192, 10, 20},
      {true, 1, 1, 4, 100, 20, &Game::Boss, 9 * 96, 384, 480, 68, 20},
      {true, 2, 0, 2, 100, 20, &Game::Boss, 2 * 224, 576, 768, 68, 20},
      {true, 3, 1, 3, 100, 20, &Game::Boss, 3 * 320, 960, 1152, 68, 20},  // no facing
      {true, 4, 1, 1, 100, 20, &Game::Boss2, 6 * 320, 0, 384, 68, 20},
      {true, 5, 0, 4, 100, 20, &Game::Boss2, 4 * 320, 768, 1152, 68, 20},
      {true, 6, 1, 2, 100, 20, &Game::Boss, 768 + 7 * 96, 0, 96, 100, 20},
      {true, 7, 1, 4, 100, 20, &Game::Buri, 9 * 128, 0, 96, 100, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.boss ? "boss " : "enemy ") + std::to_string(c.kind));
    SetUp();
    Surface& sheet = g.*c.sheet;
    sheet.Set(c.cellX, c.imageY, 0xABCDEF);
    sheet.Set(c.cellX, c.maskY, platform::kBlack);
    EnemyRecord& r = c.boss ? g.Bosses[1] : g.Enemies[1];
    r = EnemyRecord{};
    r.Active = -1;
    r.Kind = c.kind;
    r.Dir = c.dir;
    r.Anim = c.anim;
    r.X = c.x;
    r.Y = c.y;
    if (c.boss) {
      DrawBosses(g);
    } else {
      DrawEnemies(g);
    }
    EXPECT_EQ(g.Crt.At(c.screenX, c.screenY), 0xABCDEFu);
    EXPECT_EQ(Changed(), 1);
  }
}

}  // namespace
}  // namespace korvela
