// MapChr2: the side-view stages (catalogue in assets/tiles.md). Open tiles are backdrops, flat
// and without edges; solid tiles are blocks with lit tops and shaded sides.

#include <cmath>

#include "scene_props.h"
#include "sheets.h"
#include "tiles_common.h"

namespace sheets {

namespace {

constexpr Color kSky = Rgb(0x88, 0xC8, 0xF4);
constexpr Color kCave = Rgb(0x2A, 0x22, 0x20);
constexpr Color kDungeon = Rgb(0x22, 0x26, 0x34);
constexpr Color kNight = Rgb(0x14, 0x18, 0x3C);
constexpr Color kEarth = Rgb(0x8A, 0x5C, 0x34);

void DungeonBackdrop(Canvas& c) {
  c.Rect(0, 0, 32, 32, kDungeon);
  for (int row = 0; row < 4; ++row) {
    c.Rect(0, row * 8, 32, 1, Darken(kDungeon, 0.35));
    const int x = row % 2 ? 4 : 20;
    c.Rect(x, row * 8, 1, 8, Darken(kDungeon, 0.35));
  }
}

void CaveBackdrop(Canvas& c, uint32_t seed) {
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      c.Set(x, y, Mix(kCave, Lighten(kCave, 0.08), SmoothNoise(x / 6.0, y / 6.0, seed)));
    }
  }
}

void SolidBlock(Canvas& c, Color face, uint32_t seed) {
  Speckled(c, face, 0.1, seed);
  Bevel(c, 0, 0, 32, 32, face);
}

// Half of the strange gate, standing on the high place's sky: a swirl of a colour never seen,
// one tile wide and two high.
void GateHalf(Canvas& c, bool top) {
  Canvas gate(32, 64);
  gate.Rect(0, 0, 32, 64, VGradient(Rgb(0x78, 0xB8, 0xF0), Rgb(0xB8, 0xDC, 0xF8), 0, 64));
  SwirlGate(gate, 16, 34, 15);
  c.Draw(gate, 0, top ? 0 : -32);
}

std::vector<TileArt> StageTiles() {
  return {
      {0, [](Canvas& c) { c.Rect(0, 0, 32, 32, kSky); }},
      {1, [](Canvas& c) { CaveBackdrop(c, 1); }},
      {2, [](Canvas& c) { DungeonBackdrop(c); }},
      {3,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x7C, 0x78, 0x6C));
         for (int row = 0; row < 2; ++row) {
           c.Rect(0, row * 16 + 15, 32, 1, Rgb(0x66, 0x62, 0x58));
           c.Rect(row ? 4 : 20, row * 16, 1, 16, Rgb(0x66, 0x62, 0x58));
         }
         c.Ellipse(10, 25, 5, 2, Rgb(0x6A, 0x7A, 0x58));
       }},
      {4,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0xA8, 0xD0, 0xEC));
         c.Polygon({{0, 32}, {0, 22}, {9, 13}, {15, 19}, {24, 9}, {32, 17}, {32, 32}},
                   Rgb(0x8C, 0x98, 0xB8));
         c.Polygon({{21, 12}, {24, 9}, {27, 12}, {24, 13}}, 0xF0F4FF);
       }},
      {5,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, kNight);
         c.Set(5, 7, 0xFFFFFF);
         c.Set(22, 4, Rgb(0xFF, 0xF0, 0xB0));
         c.Set(14, 20, 0xFFFFFF);
         c.Set(27, 25, Rgb(0xB0, 0xC8, 0xFF));
         c.Set(9, 28, Rgb(0x90, 0x90, 0xC0));
       }},
      {6,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, kSky);
         c.Ellipse(16, 20, 15, 7, 0xFFFFFF);
         c.Ellipse(11, 15, 7, 6, 0xFFFFFF);
         c.Ellipse(20, 13, 8, 7, 0xFFFFFF);
         c.Ellipse(16, 24, 14, 3, Rgb(0xD8, 0xE4, 0xF4));
       }},
      {7,
       [](Canvas& c) {
         DungeonBackdrop(c);
         c.Circle(16, 12, 9, Mix(kDungeon, Rgb(0xFF, 0xA0, 0x40), 0.25));
         c.Rect(14, 15, 4, 12, Rgb(0x7A, 0x4C, 0x28), Rgb(0x40, 0x28, 0x18));
         c.Ellipse(16, 11, 4, 6, Rgb(0xFF, 0x80, 0x20));
         c.Ellipse(16, 12, 2, 3.5, Rgb(0xFF, 0xF0, 0x80));
       }},
      {8,
       [](Canvas& c) {
         CaveBackdrop(c, 8);
         for (int v = 0; v < 3; ++v) {
           const int x = 5 + v * 10, len = 18 + v * 6 % 14;
           c.Rect(x, 0, 2, len, Rgb(0x3A, 0x8A, 0x3A));
           for (int y = 3; y < len; y += 5)
             c.Ellipse(x + (y % 2 ? 3 : -1), y, 2.5, 1.5, Rgb(0x5A, 0xB0, 0x4A));
         }
       }},
      {9,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, kSky);
         c.Ellipse(8, 34, 18, 14, Rgb(0x8C, 0xC0, 0x8C));
         c.Ellipse(28, 36, 16, 12, Rgb(0x78, 0xB0, 0x7C));
       }},
      {16,
       [](Canvas& c) {
         CaveBackdrop(c, 16);
         c.Rect(0, 0, 32, 32, Mix(kCave, Rgb(0x50, 0x40, 0x30), 0.35));
         Crack(c, 3, 2, 12, Darken(kCave, 0.4), 16);
         Crack(c, 18, 14, 12, Darken(kCave, 0.4), 17);
       }},
      // The gate home that the master opens where he falls: two tiles, its top and its foot.
      {111, [](Canvas& c) { GateHalf(c, true); }},
      {127, [](Canvas& c) { GateHalf(c, false); }},
      {112,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Mix(kCave, Rgb(0x50, 0x40, 0x30), 0.35));
         for (int i = 0; i < 7; ++i) {
           const double x = 3 + i * 4.5, y = 26 - (i % 3) * 3;
           c.Ellipse(x, y, 4, 3.5, Ball(Rgb(0x8A, 0x7C, 0x6C), x, y, 4), Rgb(0x40, 0x38, 0x30));
         }
         c.Rect(0, 29, 32, 3, Rgb(0x5A, 0x4C, 0x40));
       }},
      // Solid.
      {128,
       [](Canvas& c) {
         Speckled(c, kEarth, 0.12, 128);
         for (int i = 0; i < 4; ++i) {
           const double x = 4 + i * 8, y = 6 + i * 13 % 22;
           c.Ellipse(x, y, 2.5, 2, Ball(Rgb(0xA8, 0x9C, 0x8C), x, y, 2.5));
         }
       }},
      {129,
       [](Canvas& c) {
         Speckled(c, kEarth, 0.12, 129);
         c.Rect(0, 0, 32, 7, VGradient(Rgb(0x8C, 0xD8, 0x5C), Rgb(0x4C, 0x9C, 0x34), 0, 7));
         for (int x = 0; x < 32; x += 4) c.Rect(x + 1, 7, 2, 2 + x % 3, Rgb(0x4C, 0x9C, 0x34));
       }},
      {130,
       [](Canvas& c) {
         SolidBlock(c, Rgb(0x98, 0x98, 0xA0), 130);
         c.Rect(3, 15, 26, 1, Rgb(0x70, 0x70, 0x78));
       }},
      {131,
       [](Canvas& c) {
         Speckled(c, Rgb(0x5C, 0x4C, 0x40), 0.14, 131);
         c.Polygon({{0, 0}, {32, 0}, {32, 4}, {20, 7}, {9, 3}, {0, 6}}, Rgb(0x7C, 0x6C, 0x5C));
         Crack(c, 8, 12, 12, Rgb(0x30, 0x28, 0x20), 131);
       }},
      {132, [](Canvas& c) { Bricks(c, Rgb(0xB0, 0x50, 0x38), Rgb(0x58, 0x40, 0x38), 8, 16, 132); }},
      {133,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x7C, 0x78, 0x6C));
         c.Rect(5, 0, 22, 32, HGradient(Rgb(0xE0, 0xDA, 0xC8), Rgb(0x8C, 0x86, 0x74), 5, 27),
                Rgb(0x4A, 0x46, 0x3C));
         for (int x = 10; x < 25; x += 5) c.Rect(x, 0, 1, 32, Rgb(0xA8, 0xA2, 0x90));
       }},
      {134,
       [](Canvas& c) {
         Bricks(c, Rgb(0x9C, 0x90, 0x80), Rgb(0x4C, 0x44, 0x3C), 8, 16, 134);
         Crack(c, 4, 1, 26, Rgb(0x20, 0x1C, 0x18), 134);
         Crack(c, 16, 6, 20, Rgb(0x20, 0x1C, 0x18), 135);
       }},
      {135,
       [](Canvas& c) {
         Planks(c, Rgb(0xB0, 0x7C, 0x44), false, 135);
         Bevel(c, 0, 0, 32, 32, Rgb(0xB0, 0x7C, 0x44));
       }},
      {136,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, VGradient(Rgb(0xD8, 0xF4, 0xFF), Rgb(0x78, 0xC0, 0xE8), 0, 32));
         Bevel(c, 0, 0, 32, 32, Rgb(0xA0, 0xD8, 0xF4));
         c.Line({6, 6}, {14, 14}, 0xFFFFFF);
         c.Line({8, 5}, {12, 9}, 0xFFFFFF);
       }},
      {137,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x30, 0x34, 0x3C));
         for (int i = 0; i < 32; i += 8) {
           c.Rect(i + 1, 0, 3, 32, Rgb(0x8C, 0x94, 0xA0));
           c.Rect(0, i + 1, 32, 3, Rgb(0x70, 0x78, 0x84));
         }
         Bevel(c, 0, 0, 32, 32, Rgb(0x70, 0x78, 0x84));
       }},
      {138, [](Canvas& c) { SolidBlock(c, Rgb(0x3C, 0x36, 0x40), 138); }},
      {139,
       [](Canvas& c) {
         Speckled(c, Rgb(0x3A, 0x2C, 0x4C), 0.1, 139);
         c.Polygon({{4, 31}, {8, 6}, {13, 31}}, Rgb(0xC0, 0x80, 0xFF), Rgb(0x5A, 0x30, 0x8A));
         c.Polygon({{12, 31}, {18, 2}, {24, 31}}, Rgb(0xE0, 0xB0, 0xFF), Rgb(0x5A, 0x30, 0x8A));
         c.Polygon({{22, 31}, {27, 13}, {31, 31}}, Rgb(0xA8, 0x70, 0xF0), Rgb(0x5A, 0x30, 0x8A));
         c.Line({17, 8}, {16, 24}, 0xFFFFFF);
       }},
  };
}

}  // namespace

Surface BuildStageTiles() { return BuildTileSheet(StageTiles()); }

}  // namespace sheets
