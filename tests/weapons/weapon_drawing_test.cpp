// The attacks on screen: which sonota cell each state shows and where, drawn with its mask.
#include <gtest/gtest.h>

#include "support/test_game.h"
#include "weapons/weapons.h"

namespace korvela::testing {
namespace {

using platform::Color;
using platform::kWhite;

// A sheet whose every image cell is one solid colour named by the cell's corner, with fully
// opaque (black) masks, so a drawn pixel tells which cell was used.
Color CellColour(int left, int top) { return static_cast<Color>(0x010000 + left * 512 + top); }

Surface TestSheet() {
  Surface s(480, 352, kWhite);
  for (int left = 32; left <= 160; left += 32) {
    s.FillRect(left, 0, 32, 32, CellColour(left, 0));
    s.FillRect(left, 32, 32, 32, platform::kBlack);
  }
  for (int left = 0; left <= 128; left += 64) {
    s.FillRect(left, 224, 64, 64, CellColour(left, 224));
    s.FillRect(left, 288, 64, 64, platform::kBlack);
  }
  for (int left = 288; left <= 416; left += 64) {
    s.FillRect(left, 0, 64, 128, CellColour(left, 0));
    s.FillRect(left, 128, 64, 128, platform::kBlack);
  }
  return s;
}

struct Drawing : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    SetUpPlayScreen(g);
    g.sonota = TestSheet();
    g.Crt.Clear(kWhite);
  }
  void DrawAll() {
    g.Crt.Clear(kWhite);
    DrawShots(g);
    DrawBombs(g);
    DrawFires(g);
  }
  // The colour over the box (x, y, w, h) when it is all one colour, else 0xFFFFFFFF; the ring
  // of pixels just outside it must stay white.
  Color Block(int x, int y, int w, int h) const {
    const Color c = g.Crt.At(x, y);
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) {
        if (g.Crt.At(i, j) != c) return 0xFFFFFFFF;
      }
    }
    for (int i = x - 1; i <= x + w; ++i) {
      if (g.Crt.At(i, y - 1) != kWhite || g.Crt.At(i, y + h) != kWhite) return 0xFFFFFFFF;
    }
    for (int j = y; j < y + h; ++j) {
      if (g.Crt.At(x - 1, j) != kWhite || g.Crt.At(x + w, j) != kWhite) return 0xFFFFFFFF;
    }
    return c;
  }
};

TEST_F(Drawing, ShotsPickTheirCellByKindAndHeading) {
  struct Case {
    uint8_t kind;
    int16_t heading;
    int cell;
  } cases[] = {{0, 0, 32}, {0, 1, 64}, {1, 0, 96}, {1, 1, 128}};
  for (const Case& c : cases) {
    g.Shots = {};
    g.Shots[20] = ShotRecord{100, 150, 16, 0, -1, c.heading, c.kind, 1};
    g.Shots[21] = ShotRecord{300, 150, 16, 0, -1, 0, 0, 1};  // beyond the used slots
    DrawAll();
    EXPECT_EQ(Block(100, 150, 32, 32), CellColour(c.cell, 0)) << c.cell;
    EXPECT_EQ(g.Crt.At(310, 160), kWhite);
  }
}

TEST_F(Drawing, BombsAndBurstsChangeTheirPictureWithThePhase) {
  struct Case {
    uint8_t phase;
    int x, y, w, h;  // where the picture lands for a bomb at (200, 150)
    Color colour;
  } cases[] = {
      {1, 198, 145, 32, 32, CellColour(160, 0)},    {2, 168, 118, 64, 64, CellColour(0, 224)},
      {4, 168, 118, 64, 64, CellColour(0, 224)},    {5, 168, 118, 64, 64, CellColour(64, 224)},
      {7, 168, 118, 64, 64, CellColour(64, 224)},   {8, 168, 118, 64, 64, CellColour(128, 224)},
      {20, 168, 118, 64, 64, CellColour(128, 224)},
  };
  for (const Case& c : cases) {
    g.Bombs = {};
    g.Bombs[5] = BombRecord{200, 150, 16, 0, c.phase, 1};
    DrawAll();
    EXPECT_EQ(Block(c.x, c.y, c.w, c.h), c.colour) << int{c.phase};
  }
  for (int phase : {0, 21, 255}) {
    g.Bombs[5].Phase = static_cast<uint8_t>(phase);
    g.Bombs[6] = BombRecord{200, 150, 16, 0, 1, 1};  // slot 6 is never drawn
    DrawAll();
    EXPECT_EQ(g.Crt.At(200, 150), kWhite) << phase;
  }
}

TEST_F(Drawing, FiresShowFromTheirSecondPhase) {
  struct Case {
    uint8_t phase;
    Color colour;
  } cases[] = {{2, CellColour(288, 0)}, {5, CellColour(288, 0)}, {6, CellColour(352, 0)},
               {8, CellColour(352, 0)}, {9, CellColour(416, 0)}, {20, CellColour(416, 0)}};
  for (const Case& c : cases) {
    g.Fires = {};
    g.Fires[4] = FireRecord{288, 90, c.phase, 2};
    DrawAll();
    EXPECT_EQ(Block(256, 90, 64, 128), c.colour) << int{c.phase};
  }
  for (int phase : {1, 21}) {
    g.Fires[4].Phase = static_cast<uint8_t>(phase);
    g.Fires[5] = FireRecord{288, 90, 5, 2};  // slot 5 is never drawn
    DrawAll();
    EXPECT_EQ(g.Crt.At(288, 150), kWhite) << phase;
  }
}

}  // namespace
}  // namespace korvela::testing
