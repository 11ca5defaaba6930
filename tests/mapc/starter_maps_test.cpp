// The maps in data/ compiled as the build compiles them, then checked against the places the
// game's map changes land on: every arrival cell is open, holds no code that would send the
// heroine straight back, and the way in and out lies where the world needs it.

#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "event_codes.h"
#include "map/map_loader.h"
#include "map_files.h"
#include "support/data_folder.h"
#include "support/test_game.h"
#include "tiled_map.h"

namespace mapc {
namespace {

using korvela::Game;
using korvela::testing::TempDir;
using korvela::testing::TestGame;

struct Cell {
  int x, y;
  auto operator<=>(const Cell&) const = default;
};

class StarterMapsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new TempDir;
    const std::filesystem::path data = std::filesystem::path(KORVELA_SOURCE_DIR) / "data";
    for (const char* source : {"field.tmj", "stages.tmj", "town.tmj"}) {
      const CompiledMap map = ReadTiledMap(data / source);
      std::optional<TextRecords> texts;
      if (map.texts) texts = ReadSearchTexts(*map.texts);
      WriteMapFiles(dir->Path(), map, texts);
    }
  }
  static void TearDownTestSuite() { delete dir; }

  void Load(std::string_view name) {
    t.g.DataDir = dir->Path();
    korvela::LoadMap(t.g, name);
  }
  int Tile(Cell c) const { return t.g.MapLayer1(c.x, c.y); }
  int Code(Cell c) const { return t.g.MapLayer2(c.x, c.y); }
  bool Open(Cell c) const { return Tile(c) < 128; }

  // Where the heroine can walk from `start` in a top-down map: open cells, four ways; a cell
  // with a map change is reached but leads nowhere further on this map.
  std::set<Cell> Walkable(Cell start) const {
    std::set<Cell> seen{start};
    std::deque<Cell> todo{start};
    while (!todo.empty()) {
      const Cell c = todo.front();
      todo.pop_front();
      if (c != start && KindOfEvent(Code(c)) == EventKind::MapChange) continue;
      for (Cell n :
           {Cell{c.x + 1, c.y}, Cell{c.x - 1, c.y}, Cell{c.x, c.y + 1}, Cell{c.x, c.y - 1}}) {
        // The movement lookups do not wrap: reaching the edge of the map is a fault.
        EXPECT_TRUE(t.g.MapLayer1.Contains(n.x, n.y) && n.x > 0 && n.y > 0 && n.x < t.g.MapSize &&
                    n.y < t.g.MapSize)
            << "open ground runs to the map's edge at (" << n.x << ", " << n.y << ")";
        if (!t.g.MapLayer1.Contains(n.x, n.y) || !Open(n) || seen.count(n)) continue;
        seen.insert(n);
        todo.push_back(n);
      }
    }
    return seen;
  }

  std::vector<Cell> CellsWith(int code) const {
    std::vector<Cell> out;
    for (int y = 0; y <= t.g.MapSize; ++y) {
      for (int x = 0; x <= t.g.MapSize; ++x) {
        if (Code({x, y}) == code) out.push_back({x, y});
      }
    }
    return out;
  }

  // An arrival cell: open, and no map change under her feet.
  void ExpectArrival(Cell c, const char* what) const {
    EXPECT_TRUE(Open(c)) << what;
    EXPECT_NE(KindOfEvent(Code(c)), EventKind::MapChange) << what << " holds code " << Code(c);
  }

  // Every search text the map's cells point at exists and ends.
  void ExpectTextsForSearchCodes() const {
    for (int y = 0; y <= t.g.MapSize; ++y) {
      for (int x = 0; x <= t.g.MapSize; ++x) {
        if (KindOfEvent(Code({x, y})) != EventKind::Text) continue;
        const std::u32string& text = t.g.SearchTexts[static_cast<size_t>(Code({x, y}))];
        EXPECT_NE(text.find(U'e'), std::u32string::npos)
            << "cell (" << x << ", " << y << ") points at text " << Code({x, y});
      }
    }
  }

  static TempDir* dir;
  TestGame t;
};

TempDir* StarterMapsTest::dir = nullptr;

TEST_F(StarterMapsTest, TheFieldHoldsTheStartTheTownGateAndTheRuins) {
  Load("01");
  ASSERT_EQ(t.g.MapSize, 255);
  const Cell start{97, 90}, fromTown{96, 88}, fromRuins{97, 81};
  ExpectArrival(start, "new game (97, 90)");
  ExpectArrival(fromTown, "code 39's arrival (96, 88)");
  ExpectArrival(fromRuins, "code 37's arrival (97, 81)");

  // The town gate (38) lies beside the cell the town's way out lands on.
  const auto gates = CellsWith(38);
  ASSERT_EQ(gates.size(), 1u);
  EXPECT_EQ(std::abs(gates[0].x - 96) + std::abs(gates[0].y - 88), 1);
  // The ruins' stairs (36) lie beside the cell the ruins' way out lands on.
  const auto ruins = CellsWith(36);
  ASSERT_EQ(ruins.size(), 1u);
  EXPECT_EQ(ruins[0], (Cell{97, 80}));

  // From the start she can walk to both, and back from each arrival.
  const auto reach = Walkable(start);
  EXPECT_TRUE(reach.count(gates[0]));
  EXPECT_TRUE(reach.count(ruins[0]));
  EXPECT_TRUE(reach.count(fromTown));
  EXPECT_TRUE(reach.count(fromRuins));

  // The first sign faces her at the start (she faces right when play begins).
  EXPECT_EQ(Code({98, 90}), 101);
  const std::u32string& sign = t.g.SearchTexts[101];
  EXPECT_EQ(sign.substr(0, 4), U"F05a");
  EXPECT_NE(sign.find(U"S05"), std::u32string::npos);
  EXPECT_NE(sign.find(U'b'), std::u32string::npos);
  ExpectTextsForSearchCodes();
}

TEST_F(StarterMapsTest, TheTownHoldsTheInnTheSavePointAndTheWayOut) {
  Load("03");
  ASSERT_TRUE(t.g.MapSize == 127 || t.g.MapSize == 255);
  const Cell continued{9, 24}, fromField{25, 30};
  ExpectArrival(continued, "continue (9, 24)");
  ExpectArrival(fromField, "code 38's arrival (25, 30)");

  const auto exits = CellsWith(39);
  ASSERT_EQ(exits.size(), 1u);
  EXPECT_EQ(std::abs(exits[0].x - 25) + std::abs(exits[0].y - 30), 1);
  // No other way off this map.
  for (int code = 0; code < 256; ++code) {
    if (code != 39 && KindOfEvent(code) == EventKind::MapChange) {
      EXPECT_TRUE(CellsWith(code).empty()) << code;
    }
  }

  // The bed and the save crystal are near the continue point and everything is connected.
  const auto reach = Walkable(continued);
  const auto beds = CellsWith(48);
  const auto saves = CellsWith(49);
  ASSERT_FALSE(beds.empty());
  ASSERT_FALSE(saves.empty());
  for (Cell c : beds) EXPECT_TRUE(reach.count(c) && Open(c));
  for (Cell c : saves) EXPECT_TRUE(reach.count(c) && Open(c));
  EXPECT_LE(std::abs(saves[0].x - 9) + std::abs(saves[0].y - 24), 6);
  EXPECT_TRUE(reach.count(fromField));
  EXPECT_TRUE(reach.count(exits[0]));

  // The elder's text teaches the second shot after the first boss (flags 2 and 7).
  const auto elder = CellsWith(105);
  ASSERT_FALSE(elder.empty());
  EXPECT_EQ(t.g.SearchTexts[105].substr(0, 4), U"F02a");
  EXPECT_NE(t.g.SearchTexts[105].find(U"S07"), std::u32string::npos);
  ExpectTextsForSearchCodes();
}

TEST_F(StarterMapsTest, TheFirstStageRunsFromItsArrivalPastTheBossToTheWayOut) {
  Load("01");
  const auto fieldTexts = t.g.SearchTexts;
  Load("02");
  ASSERT_EQ(t.g.MapSize, 255);
  // The stages name no texts: the field's stay.
  EXPECT_EQ(t.g.SearchTexts, fieldTexts);

  // Code 36 puts her at (11, 18), two cells tall, on the ground of row 20.
  const Cell arrival{11, 18};
  ExpectArrival(arrival, "code 36's arrival (11, 18)");
  EXPECT_TRUE(Open({11, 19}));
  EXPECT_FALSE(Open({11, 20}));

  // Everything open that she can reach stays in the band of rows 12-23 and inside the map.
  std::set<Cell> seen{arrival};
  std::deque<Cell> todo{arrival};
  bool exitFound = false;
  std::set<int> bossColumns;
  while (!todo.empty()) {
    const Cell c = todo.front();
    todo.pop_front();
    ASSERT_GE(c.y, 12);
    ASSERT_LE(c.y, 23);
    ASSERT_GT(c.x, 6);
    ASSERT_LT(c.x, 240);
    if (Code(c) == 192) bossColumns.insert(c.x);
    if (Code(c) == 37) {
      exitFound = true;
      continue;
    }
    EXPECT_NE(KindOfEvent(Code(c)), EventKind::MapChange) << c.x << "," << c.y;
    for (Cell n :
         {Cell{c.x + 1, c.y}, Cell{c.x - 1, c.y}, Cell{c.x, c.y + 1}, Cell{c.x, c.y - 1}}) {
      if (Open(n) && !seen.count(n)) {
        seen.insert(n);
        todo.push_back(n);
      }
    }
  }
  EXPECT_TRUE(exitFound);
  // One boss line, crossing the whole height she can be at, before the way out.
  ASSERT_EQ(bossColumns.size(), 1u);
  const int bossX = *bossColumns.begin();
  for (int y = 15; y <= 19; ++y) EXPECT_EQ(Code({bossX, y}), 192) << y;
  for (Cell c : CellsWith(37)) EXPECT_GT(c.x, bossX + 10);
  // The boss stands on flat ground three columns wide, some way to the right of the line.
  for (int x = bossX; x < bossX + 20; ++x) EXPECT_FALSE(Open({x, 20})) << x;
  for (int x = bossX; x < bossX + 20; ++x) EXPECT_TRUE(Open({x, 14})) << x;
}

}  // namespace
}  // namespace mapc
