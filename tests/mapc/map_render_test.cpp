// The map renderer over the compiled stages: tiles come from the sheet, codes get labels in
// their kind's colour, the arrival cells and the boss lines are marked, and a window shows
// exactly the cells asked for.

#include "map_render.h"

#include <gtest/gtest.h>

#include "map/map_loader.h"
#include "platform/image_io.h"
#include "support/test_game.h"

namespace maprender {
namespace {

using platform::Color;
using platform::Surface;

class MapRender : public ::testing::Test {
 protected:
  void SetUp() override {
    t.g.DataDir = std::filesystem::path(KORVELA_BUILD_DIR) / "DATA";
    korvela::LoadMap(t.g, "02");
    std::string error;
    ASSERT_TRUE(platform::LoadPng(
        std::filesystem::path(KORVELA_SOURCE_DIR) / "assets" / "MapChr2.png", &sheet, &error))
        << error;
  }
  // How many pixels of the colour lie in cell (i, j) of a picture drawn at 32 pixels a cell.
  static int CountIn(const Surface& s, int i, int j, Color c) {
    int n = 0;
    for (int y = j * 32; y < j * 32 + 32; ++y) {
      for (int x = i * 32; x < i * 32 + 32; ++x) n += s.At(x, y) == c;
    }
    return n;
  }
  korvela::testing::TestGame t;
  Surface sheet;
};

TEST_F(MapRender, AWindowOfTheRuinsShowsTilesLabelsTheArrivalAndTheBossLine) {
  // Columns 4..103 of rows 12..25: the whole first stage as the heroine meets it.
  const Window w{4, 12, 100, 14};
  const Surface s = RenderMap(t.g, "02", sheet, {w, 32});
  ASSERT_EQ(s.Width(), 3200);
  ASSERT_EQ(s.Height(), 448);

  // A plain cell is its tile, pixel for pixel.
  const int x = 20, y = 24, tile = t.g.MapLayer1(x, y);
  ASSERT_EQ(t.g.MapLayer2(x, y), 0);
  for (int p : {0, 13, 31}) {
    EXPECT_EQ(s.At((x - w.x) * 32 + p, (y - w.y) * 32 + p),
              sheet.At((tile % 16) * 32 + p, (tile / 16) * 32 + p));
  }
  // The arrival of code 36, (11, 18), is outlined.
  EXPECT_GT(CountIn(s, 11 - w.x, 18 - w.y, kArrivalColor), 100);
  EXPECT_EQ(CountIn(s, 12 - w.x, 18 - w.y, kArrivalColor), 0);
  // Every cell with a code carries its kind's colour: the way out (37), the boss line (192,
  // with its bar) and the enemy triggers.
  int exits = 0, boss = 0, enemies = 0;
  for (int j = 0; j < w.height; ++j) {
    for (int i = 0; i < w.width; ++i) {
      const int code = t.g.MapLayer2(w.x + i, w.y + j);
      if (code == 0) continue;
      EXPECT_GT(CountIn(s, i, j, LabelColor(code)), 8) << code << " at " << i << "," << j;
      exits += code == 37;
      boss += code == 192;
      enemies += code >= 160 && code <= 163;
      if (code == 192) {
        EXPECT_EQ(s.At(i * 32 + 1, j * 32 + 20), LabelColor(192));
      }
    }
  }
  EXPECT_GT(exits, 0);
  EXPECT_GT(boss, 0);
  EXPECT_GT(enemies, 5);
}

TEST_F(MapRender, AWholeMapAtTwoPixelsACell) {
  const Surface s = RenderMap(t.g, "02", sheet, {{}, 2});
  ASSERT_EQ(s.Width(), 512);
  ASSERT_EQ(s.Height(), 512);
  // The first stage's arrival (11, 18) is marked even this small.
  EXPECT_EQ(s.At(22, 36), kArrivalColor);
}

}  // namespace
}  // namespace maprender
