// The world as the build compiled it into DATA/, checked against what the game's rules need:
// every fixed arrival is a place she can be, no arrival sends her straight back, every stage
// leads from its arrival to its boss and its way out by ground she can run and jump, every
// boss finds the floor its kind stands on, every event code is used and every text reads to
// its end whatever the flags it branches on.

#include <gtest/gtest.h>

#include <deque>
#include <iomanip>
#include <map>
#include <set>
#include <sstream>

#include "event_codes.h"
#include "map/map_loader.h"
#include "support/test_game.h"

namespace mapc {
namespace {

using korvela::testing::TestGame;

struct Cell {
  int x, y;
  auto operator<=>(const Cell&) const = default;
};

// The values each story flag that the texts branch on can hold (0, 1 and for the two
// upgrade flags also 2): a branch needs a letter for each.
int FlagValues(int flag) { return flag == 2 || flag == 3 ? 3 : 2; }

class World : public ::testing::Test {
 protected:
  void Load(std::string_view name) {
    t.g.DataDir = std::filesystem::path(KORVELA_BUILD_DIR) / "DATA";
    korvela::LoadMap(t.g, name);
  }
  int Size() const { return t.g.MapSize + 1; }
  bool Inside(Cell c) const { return c.x >= 0 && c.y >= 0 && c.x < Size() && c.y < Size(); }
  // Outside the map counts as solid, as the movement code treats it.
  bool Open(Cell c) const { return Inside(c) && t.g.MapLayer1(c.x, c.y) < 128; }
  int Code(Cell c) const { return Inside(c) ? t.g.MapLayer2(c.x, c.y) : 0; }
  bool Sends(Cell c) const { return KindOfEvent(Code(c)) == EventKind::MapChange; }

  std::vector<Cell> CellsWith(int code) const {
    std::vector<Cell> out;
    for (int y = 0; y < Size(); ++y) {
      for (int x = 0; x < Size(); ++x) {
        if (Code({x, y}) == code) out.push_back({x, y});
      }
    }
    return out;
  }
  std::set<int> Codes() const {
    std::set<int> out;
    for (int y = 0; y < Size(); ++y) {
      for (int x = 0; x < Size(); ++x) out.insert(Code({x, y}));
    }
    return out;
  }

  // Top-down: the cells she can walk to from `start`, four ways over open cells (the view
  // wraps, so the search does too). A map change is reached but leads nowhere on this map.
  std::set<Cell> Walkable(Cell start) const {
    std::set<Cell> seen{start};
    std::deque<Cell> todo{start};
    while (!todo.empty()) {
      const Cell c = todo.front();
      todo.pop_front();
      if (c != start && Sends(c)) continue;
      for (Cell n :
           {Cell{c.x + 1, c.y}, Cell{c.x - 1, c.y}, Cell{c.x, c.y + 1}, Cell{c.x, c.y - 1}}) {
        n = {(n.x + Size()) % Size(), (n.y + Size()) % Size()};
        if (Open(n) && seen.insert(n).second) todo.push_back(n);
      }
    }
    return seen;
  }

  // Side view: she is two cells tall and her top cell is the one the events read. A standing
  // place (x, r) has rows r and r + 1 open over solid ground at r + 2. From one she walks a
  // column either way and falls, or jumps: up one to three rows (through open cells), sideways
  // up to three columns at that height (two at the highest), then falls. Her real jump goes
  // further (about five columns at full height), so what this finds she can surely reach.
  // Returns every cell her top passes through; `top` is the band's first row, and she must
  // never fall below its fourteen drawn rows.
  std::set<Cell> Runnable(Cell start, int top) const {
    auto body = [&](int x, int r) { return Open({x, r}) && Open({x, r + 1}); };
    auto land = [&](int x, int r) {
      while (r <= top + 12 && body(x, r) && Open({x, r + 2})) ++r;
      return body(x, r) && !Open({x, r + 2}) ? r : -1;
    };
    std::set<Cell> touched, stood;
    std::deque<Cell> todo;
    auto reach = [&](int x, int from, int r) {
      for (int y = std::min(from, r); y <= std::max(from, r); ++y) touched.insert({x, y});
      if (r >= 0 && stood.insert({x, r}).second) todo.push_back({x, r});
    };
    EXPECT_TRUE(body(start.x, start.y) && !Open({start.x, start.y + 2}))
        << "no room to stand at (" << start.x << ", " << start.y << ")";
    reach(start.x, start.y, start.y);
    while (!todo.empty()) {
      const Cell c = todo.front();
      todo.pop_front();
      if (c != start && Sends(c)) continue;
      for (int dir : {-1, 1}) {
        if (body(c.x + dir, c.y)) reach(c.x + dir, c.y, land(c.x + dir, c.y));
      }
      for (int up = 1; up <= 3 && body(c.x, c.y - up); ++up) {
        touched.insert({c.x, c.y - up});
        for (int dir : {-1, 1}) {
          for (int step = 1; step <= (up == 3 ? 2 : 3); ++step) {
            const int x = c.x + dir * step;
            if (!body(x, c.y - up)) break;
            touched.insert({x, c.y - up});
            reach(x, c.y - up, land(x, c.y - up));
          }
        }
      }
    }
    for (Cell c : touched) {
      EXPECT_TRUE(c.y >= top && c.y <= top + 11)
          << "from (" << start.x << ", " << start.y << ") she gets out of the band at (" << c.x
          << ", " << c.y << ")";
    }
    return touched;
  }
  static bool Touches(const std::set<Cell>& cells, const std::vector<Cell>& targets) {
    for (Cell c : targets) {
      if (cells.count(c)) return true;
    }
    return false;
  }
  std::vector<Cell> Within(const std::vector<Cell>& cells, const std::set<Cell>& area) const {
    std::vector<Cell> out;
    for (Cell c : cells) {
      if (area.count(c)) out.push_back(c);
    }
    return out;
  }

  // A search text reads to an end from its start and from every branch its flags can take.
  void ExpectTextReads(int code) const {
    const std::u32string& text = t.g.SearchTexts[static_cast<size_t>(code)];
    std::set<size_t> argument;  // positions of the digits after w, S, R and F
    for (size_t i = 0; i + 2 < text.size(); ++i) {
      if (text[i] == U'w' || text[i] == U'S' || text[i] == U'R' || text[i] == U'F') {
        argument.insert(i + 1);
        argument.insert(i + 2);
        i += 2;
      }
    }
    auto endsFrom = [&](size_t from) {
      for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == U'e' && !argument.count(i)) return true;
      }
      return false;
    };
    EXPECT_TRUE(endsFrom(0)) << "text " << code << " has no end";
    for (size_t i = 0; i + 2 < text.size(); ++i) {
      if (text[i] != U'F' || argument.count(i)) continue;
      const std::string digits{static_cast<char>(text[i + 1]), static_cast<char>(text[i + 2])};
      const int flag = std::stoi(digits, nullptr, 16);
      EXPECT_EQ(digits, (std::stringstream{} << std::uppercase << std::hex << std::setw(2)
                                             << std::setfill('0') << flag)
                            .str())
          << "text " << code;
      for (int v = 0; v < FlagValues(flag); ++v) {
        const size_t letter = text.find(static_cast<char32_t>(U'a' + v), i);
        ASSERT_NE(letter, std::u32string::npos)
            << "text " << code << " F" << digits << " value " << v;
        EXPECT_FALSE(argument.count(letter)) << "text " << code;
        EXPECT_TRUE(endsFrom(letter)) << "text " << code << " branch " << v << " has no end";
      }
    }
  }
  void ExpectTextsOfCells() const {
    for (int code = 101; code < 256; ++code) {
      if (!CellsWith(code).empty()) ExpectTextReads(code);
    }
  }
  bool TextHas(int code, std::u32string_view what) const {
    return t.g.SearchTexts[static_cast<size_t>(code)].find(what) != std::u32string::npos;
  }

  TestGame t;
};

// The field: fixed arrivals, what each land reaches, and the signs' texts.
TEST_F(World, TheFieldsArrivalsAndLands) {
  Load("01");
  ASSERT_EQ(Size(), 256);
  const std::map<int, Cell> arrivals = {
      {0, {97, 90}},  {39, {96, 88}}, {37, {97, 81}}, {35, {121, 95}},
      {33, {19, 18}}, {44, {54, 34}}, {45, {50, 34}}, {41, {75, 58}},
  };
  for (auto [code, c] : arrivals) {
    EXPECT_TRUE(Open(c)) << "arrival of " << code;
    EXPECT_FALSE(Sends(c)) << "arrival of " << code << " holds code " << Code(c);
  }
  // Each entrance stands beside the arrival its partner exit lands on.
  auto besideOne = [&](int code, Cell arrival) {
    const auto cells = CellsWith(code);
    ASSERT_EQ(cells.size(), 1u) << code;
    EXPECT_EQ(std::abs(cells[0].x - arrival.x) + std::abs(cells[0].y - arrival.y), 1) << code;
  };
  besideOne(38, {96, 88});
  besideOne(36, {97, 81});
  besideOne(43, {50, 34});
  besideOne(42, {54, 34});
  EXPECT_FALSE(Open({52, 34})) << "rock between the passage's mouths";

  // The secret passage returns her one column either side of its cell.
  const auto secret = CellsWith(58);
  ASSERT_EQ(secret.size(), 1u);
  for (int dx : {-1, 1}) {
    const Cell c{secret[0].x + dx, secret[0].y};
    EXPECT_TRUE(Open(c) && !Sends(c)) << "beside the secret passage, " << dx;
  }

  // Home: the start reaches the town, the ruins, the caves, the dungeon, the stone ring and the
  // passage's west mouth; every arrival of the home land leads back to the town gate.
  const auto home = Walkable(arrivals.at(0));
  for (int code : {38, 36, 34, 32, 51, 58, 43}) {
    EXPECT_TRUE(Touches(home, CellsWith(code))) << "the start does not reach " << code;
  }
  for (int code : {39, 37, 35, 33, 45, 41}) {
    EXPECT_TRUE(home.count(arrivals.at(code))) << "the arrival of " << code << " is cut off";
  }
  // Beyond the mountains: only the passage and the dungeon's far end lead there.
  const auto beyond = Walkable(arrivals.at(44));
  EXPECT_FALSE(home.count(arrivals.at(44))) << "the land beyond the mountains is open on foot";
  for (int code : {42, 40, 52}) {
    EXPECT_TRUE(Touches(beyond, CellsWith(code))) << "beyond the mountains misses " << code;
  }
  ExpectTextsOfCells();
  // Every way into a stage has a sign beside it (a search text within two cells).
  for (int code : {36, 34, 32, 43, 42, 40, 51, 52, 58, 38}) {
    const Cell e = CellsWith(code)[0];
    bool sign = false;
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx)
        sign |= KindOfEvent(Code({e.x + dx, e.y + dy})) == EventKind::Text;
    }
    EXPECT_TRUE(sign) << "no sign by " << code;
  }
}

// The town: the continue point beside the inn and the save point, the way out, and people
// whose texts follow the story.
TEST_F(World, TheTownKeepsTheInnTheSavePointAndItsPeople) {
  Load("03");
  const Cell continued{9, 24}, fromField{25, 30};
  for (Cell c : {continued, fromField}) EXPECT_TRUE(Open(c) && !Sends(c));
  const auto reach = Walkable(continued);
  for (int code : {39, 48, 49}) {
    EXPECT_TRUE(Touches(reach, CellsWith(code))) << code;
    for (Cell c : CellsWith(code)) EXPECT_TRUE(Open(c)) << code;
  }
  EXPECT_TRUE(reach.count(fromField));
  const Cell save = CellsWith(49)[0];
  EXPECT_LE(std::abs(save.x - continued.x) + std::abs(save.y - continued.y), 6);
  for (int code = 32; code < 64; ++code) {
    if (code != 39 && KindOfEvent(code) == EventKind::MapChange) {
      EXPECT_TRUE(CellsWith(code).empty()) << code;
    }
  }
  ExpectTextsOfCells();
  // The elder teaches the second shot after the first boss, the fortune teller raises the MP
  // after the second.
  EXPECT_EQ(t.g.SearchTexts[105].substr(0, 4), U"F02a");
  EXPECT_TRUE(TextHas(105, U"S07"));
  EXPECT_EQ(t.g.SearchTexts[106].substr(0, 4), U"F03a");
  EXPECT_TRUE(TextHas(106, U"S08"));
  // Someone reacts to each milestone, someone heals, and some speak with a voice.
  std::set<std::u32string> used;
  for (int code = 101; code < 256; ++code) {
    if (CellsWith(code).empty()) continue;
    for (std::u32string mark :
         {U"F02", U"F03", U"F04", U"F0A", U"F0B", U"F0D", U"H", U"w01", U"w02"}) {
      if (TextHas(code, mark)) used.insert(mark);
    }
  }
  EXPECT_EQ(used.size(), 9u);
}

// Every stage from each of its arrivals: the boss line and the way out by ground she can run
// and jump, staying in the band; the boss's floor where its kind needs it.
struct StageCase {
  const char* name;
  int top;       // the band's first row
  Cell arrival;  // her top cell on arrival
  int exit;      // the map change she leaves by
  int boss;      // the boss line she must cross
  int pickUp;    // a pick-up on the way, or 0
};

class Stages : public World, public ::testing::WithParamInterface<StageCase> {};

TEST_P(Stages, RunFromTheArrivalPastTheBossToTheWayOut) {
  const StageCase& s = GetParam();
  Load("02");
  ASSERT_EQ(Size(), 256);
  EXPECT_FALSE(Sends(s.arrival)) << s.name;
  const auto run = Runnable(s.arrival, s.top);
  EXPECT_TRUE(Touches(run, CellsWith(s.exit))) << s.name << " never reaches " << s.exit;
  const auto line = Within(CellsWith(s.boss), run);
  ASSERT_FALSE(line.empty()) << s.name << " never crosses " << s.boss;
  if (s.pickUp) {
    EXPECT_TRUE(Touches(run, CellsWith(s.pickUp))) << s.name << " misses " << s.pickUp;
  }
  // The static gate home is never on her way: the ending opens where the master falls.
  EXPECT_FALSE(Touches(run, CellsWith(185))) << s.name;

  // Where the boss comes in: the line's column is her screen column 7, so the view's left
  // edge is 7 columns to its left.
  const int x = line[0].x, left = x - 7;
  const int h = s.top;
  auto firstSolid = [&](int col, int from) {
    int r = h + from;
    while (r <= h + 13 && Open({col, r})) ++r;
    return r - h;
  };
  switch (s.boss) {
    case 192:
    case 176:  // drops from above the screen onto the floor under its second column
    case 179:
      EXPECT_LE(firstSolid(left + (s.boss == 179 ? 17 : 16), 5), 11) << s.name;
      break;
    case 177:  // drops onto a floor three rows under its top
      EXPECT_LE(firstSolid(left + 18, 3), 11) << s.name;
      break;
    case 178: {  // walks west on screen row 9 and tears down what stands on row 8
      EXPECT_EQ(firstSolid(left + 17, 9), 9) << s.name;
      int walls = 0;
      for (int c = left + 15; c > left - 35; --c) {
        EXPECT_FALSE(Open({c, h + 9})) << s.name << " floor gap at " << c;
        walls += !Open({c, h + 8});
      }
      EXPECT_GE(walls, 2) << s.name << ": no walls to break";
      break;
    }
    case 180:
    case 181:  // fly at the top of the screen: a jump from her ground must reach them
      for (Cell c : line) {
        if (run.count(c)) {
          const int ground = firstSolid(c.x, c.y - h);
          EXPECT_LE(ground, 7) << s.name << " flyers out of reach at " << c.x;
        }
      }
      break;
    case 182:  // runs and leaps on screen row 8 for a long way either side
      for (int c = left - 13; c <= left + 30; ++c)
        EXPECT_FALSE(Open({c, h + 8})) << s.name << " " << c;
      break;
    case 183: {  // runs on screen row 9 between walls on row 8, from two columns left of view
      const int spawn = left - 2;
      EXPECT_EQ(firstSolid(spawn + 1, 7), 9) << s.name;
      int wl = spawn, wr = spawn;
      while (wl > spawn - 30 && Open({wl, h + 8})) --wl;
      while (wr < spawn + 30 && Open({wr, h + 8})) ++wr;
      EXPECT_FALSE(Open({wl, h + 8}));
      EXPECT_FALSE(Open({wr, h + 8}));
      // Inside that hollow she stands with her top on screen row 7, where the gate opens.
      EXPECT_TRUE(Open({spawn + 1, h + 7}) && Open({spawn + 1, h + 8}));
      break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    World, Stages,
    ::testing::Values(StageCase{"ruins", 12, {11, 18}, 37, 192, 0},
                      StageCase{"cave", 30, {10, 37}, 35, 177, 0},
                      StageCase{"cave_passage", 50, {9, 55}, 33, 178, 63},
                      StageCase{"flyers_first", 66, {68, 74}, 41, 180, 0},
                      StageCase{"flyers_second", 66, {68, 74}, 41, 181, 0},
                      StageCase{"passage_from_west", 85, {19, 90}, 44, 179, 0},
                      StageCase{"passage_from_east", 85, {226, 90}, 45, 179, 0},
                      StageCase{"secret", 101, {122, 106}, 60, 182, 0},
                      StageCase{"dungeon", 116, {10, 123}, 44, 176, 184},
                      StageCase{"high_place", 12, {242, 18}, 44, 183, 0}),
    [](const ::testing::TestParamInfo<StageCase>& param) { return std::string(param.param.name); });

// Between them the maps use every event code the game knows, and only known ones.
TEST_F(World, EveryEventCodeIsUsed) {
  std::set<int> used;
  for (const char* name : {"01", "02", "03"}) {
    Load(name);
    for (int code : Codes()) {
      EXPECT_NE(KindOfEvent(code), EventKind::Meaningless) << name << " " << code;
      used.insert(code);
    }
  }
  for (int code = 1; code < 256; ++code) {
    const EventKind kind = KindOfEvent(code);
    if (kind != EventKind::Meaningless && kind != EventKind::Text) {
      EXPECT_TRUE(used.count(code)) << "code " << code << " is never used";
    }
  }
}

}  // namespace
}  // namespace mapc
