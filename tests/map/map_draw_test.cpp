#include "map/map_draw.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Color;
using testing::TestGame;

// A tile sheet whose every pixel tells where it came from: the sheet's number, the tile number
// and the pixel's place inside the tile.
Surface CodedSheet(int sheet) {
  Surface s(512, 512);
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 512; ++x) {
      const int tile = (y / 32) * 16 + x / 32;
      s.Set(x, y, static_cast<Color>(sheet << 22 | tile << 10 | (y % 32) << 5 | (x % 32)));
    }
  }
  return s;
}

struct Source {
  int sheet, tile, px, py;
  bool operator==(const Source&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Source& s) {
  return os << "sheet " << s.sheet << " tile " << s.tile << " at (" << s.px << ", " << s.py << ")";
}

Source SourceOf(Color c) {
  return {static_cast<int>(c >> 22), static_cast<int>((c >> 10) & 0xFF), static_cast<int>(c & 31),
          static_cast<int>((c >> 5) & 31)};
}

// Tile numbers that differ between every two neighbouring cells of a 256 map.
uint8_t TileAt(int x, int y) { return static_cast<uint8_t>((x * 7 + y * 31) & 0xFF); }

class MapDrawTest : public ::testing::Test {
 protected:
  MapDrawTest() {
    testing::SetUpPlayScreen(g);
    g.MapChr1 = CodedSheet(1);
    g.MapChr2 = CodedSheet(2);
    g.MapChr3 = CodedSheet(3);
    g.MapSize = 255;
    g.MapLayer1.Reset(256);
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) g.MapLayer1(x, y) = TileAt(x, y);
    }
  }
  Source At(int x, int y) const { return SourceOf(g.Crt.At(x, y)); }

  TestGame t;
  Game& g = t.g;
};

TEST_F(MapDrawTest, TheEdgeColumnAndRowFillTheRightAndBottomOfTheScreen) {
  g.GameMode = 0;
  g.MapOriginX = 40;
  g.MapOriginY = 60;
  g.ScrollX = 24;
  g.ScrollY = 24;
  DrawMap(g);

  // The top-left pixel is 24 pixels into the origin's tile both ways.
  EXPECT_EQ(At(0, 0), (Source{1, TileAt(40, 60), 24, 24}));
  // The last visible pixels come from screen column 15 and row 12.
  EXPECT_EQ(At(479, 100), (Source{1, TileAt(55, 63), 23, 28}));
  EXPECT_EQ(At(100, 383), (Source{1, TileAt(43, 72), 28, 23}));
  EXPECT_EQ(At(479, 383), (Source{1, TileAt(55, 72), 23, 23}));
  // Column 14 gives way to column 15 at x = 456.
  EXPECT_EQ(At(455, 0).tile, TileAt(54, 60));
  EXPECT_EQ(At(456, 0).tile, TileAt(55, 60));
}

TEST_F(MapDrawTest, TheTopDownViewWrapsAroundTheMap) {
  g.GameMode = 2;
  g.MapOriginX = 250;
  g.MapOriginY = 250;
  DrawMap(g);
  // Columns 250..255, then 0..9; rows the same way.
  const int expected[] = {250, 251, 252, 253, 254, 255, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(At(32 * i + 16, 16), (Source{3, TileAt(expected[i], 250), 16, 16})) << i;
  }
  EXPECT_EQ(At(16, 32 * 11 + 16).tile, TileAt(250, 5));

  // On a smaller map the wrap follows its size.
  g.MapSize = 127;
  g.MapLayer1.Reset(128);
  g.MapLayer1(0, 0) = 9;
  g.MapOriginX = 120;
  g.MapOriginY = 127;
  DrawMap(g);
  EXPECT_EQ(At(32 * 8 + 1, 32 + 1).tile, 9);
}

TEST_F(MapDrawTest, TheSideViewDrawsRowsAt32TimesJWithoutVerticalScrollOrWrap) {
  g.GameMode = 1;
  g.MapOriginX = 4;
  g.MapOriginY = 12;
  g.ScrollX = 8;
  g.ScrollY = 24;  // her height above her row; the map does not move with it
  DrawMap(g);
  EXPECT_EQ(At(0, 0), (Source{2, TileAt(4, 12), 8, 0}));
  for (int j = 0; j < 12; ++j) {
    EXPECT_EQ(At(24, 32 * j), (Source{2, TileAt(5, 12 + j), 0, 0})) << j;
  }

  // Past the right edge of the map the side view shows tile 0 instead of wrapping.
  g.MapOriginX = 250;
  g.ScrollX = 0;
  DrawMap(g);
  EXPECT_EQ(At(32 * 5, 0).tile, TileAt(255, 12));
  EXPECT_EQ(At(32 * 6, 0), (Source{2, 0, 0, 0}));
  EXPECT_EQ(At(32 * 14, 0), (Source{2, 0, 0, 0}));
}

TEST_F(MapDrawTest, OtherModesAndMissingLayersDrawSafely) {
  g.Crt.Clear(0x123456);
  g.GameMode = 3;
  DrawMap(g);
  EXPECT_EQ(g.Crt.At(100, 100), 0x123456u);

  // Before any map is loaded every cell shows tile 0.
  g.GameMode = 0;
  g.MapLayer1 = ByteGrid();
  DrawMap(g);
  EXPECT_EQ(At(100, 100), (Source{1, 0, 4, 4}));
}

// Every slot of every table active at X 100 (the float tables at 100.5, to see that the
// fraction is kept).
void FillTables(Game& g) {
  for (auto& r : g.Shots) r.X = 100, r.Active = -1;
  for (auto& r : g.Bombs) r.X = 100, r.Phase = 2;
  for (auto& r : g.Fires) r.X = 100, r.Phase = 1;
  for (auto& r : g.Enemies) r.X = 100.5f, r.Active = -1;
  for (auto& r : g.Bosses) r.X = 100.5f, r.Active = -1;
  for (auto& r : g.EnemyShots) r.X = 100, r.Active = -1;
}

int Moved(int16_t x) { return x - 100; }
int Moved(float x) { return static_cast<int>(x - 100.5f); }

template <typename Table>
std::vector<int> Moves(const Table& table) {
  std::vector<int> out;
  for (const auto& r : table) out.push_back(Moved(r.X));
  return out;
}

// A table of `slots` where the first `walked` moved by `step`.
std::vector<int> Expect(size_t slots, size_t walked, int step) {
  std::vector<int> out(slots, 0);
  for (size_t i = 0; i < walked; ++i) out[i] = step;
  return out;
}

TEST(ShiftTest, EachTableMovesExactlyItsSlotsAgainstTheHeroinesWay) {
  for (auto [facing, step] : {std::pair{0, -8}, {2, -8}, {1, 8}, {3, 8}, {4, 0}}) {
    TestGame t;
    FillTables(t.g);
    t.g.Player.Facing = static_cast<int16_t>(facing);
    ShiftEntities(t.g);
    EXPECT_EQ(Moves(t.g.Shots), Expect(31, 21, step)) << facing;
    EXPECT_EQ(Moves(t.g.Bombs), Expect(7, 6, step)) << facing;
    EXPECT_EQ(Moves(t.g.Fires), Expect(6, 6, step)) << facing;
    EXPECT_EQ(Moves(t.g.Enemies), Expect(11, 10, step)) << facing;
    EXPECT_EQ(Moves(t.g.Bosses), Expect(6, 4, step)) << facing;
    EXPECT_EQ(Moves(t.g.EnemyShots), Expect(11, 5, step)) << facing;
  }
}

TEST(ShiftTest, FreeSlotsStayWhereTheyAre) {
  TestGame t;
  Game& g = t.g;
  FillTables(g);
  g.Player.Facing = 0;
  g.Shots[3].Active = 0;
  g.Bombs[2].Phase = 0;
  g.Fires[5].Phase = 0;
  g.Enemies[9].Active = 0;
  g.Bosses[0].Active = 1;  // only -1 counts as active
  g.EnemyShots[4].Active = 0;
  ShiftEntities(g);
  EXPECT_EQ(g.Shots[3].X, 100);
  EXPECT_EQ(g.Shots[2].X, 92);
  EXPECT_EQ(g.Bombs[2].X, 100);
  EXPECT_EQ(g.Fires[5].X, 100);
  EXPECT_FLOAT_EQ(g.Enemies[9].X, 100.5f);
  EXPECT_FLOAT_EQ(g.Bosses[0].X, 100.5f);
  EXPECT_FLOAT_EQ(g.Bosses[1].X, 92.5f);
  EXPECT_EQ(g.EnemyShots[4].X, 100);
}

}  // namespace
}  // namespace korvela
