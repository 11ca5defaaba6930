// MapChr1: the field seen from above (catalogue in assets/tiles.md).

#include <cmath>

#include "sheets.h"
#include "tiles_common.h"

namespace sheets {

namespace {

constexpr Color kGrass = Rgb(0x6C, 0xB4, 0x4C);
constexpr Color kDarkGrass = Rgb(0x3E, 0x84, 0x3A);
constexpr Color kDirt = Rgb(0xC8, 0xA0, 0x68);
constexpr Color kStone = Rgb(0x9A, 0x98, 0x94);
constexpr Color kLeaves = Rgb(0x2E, 0x8A, 0x3A);
constexpr Color kWater = Rgb(0x2C, 0x68, 0xC8);

void Mountain(Canvas& c, Color ground, Color rock, bool snow) {
  Speckled(c, ground, 0.06, 31);
  const std::vector<Pt> peak{{1, 31}, {13, 3}, {19, 10}, {22, 7}, {31, 31}};
  c.Polygon(peak, HGradient(Lighten(rock, 0.2), Darken(rock, 0.35), 8, 26), Darken(rock, 0.6));
  if (snow) {
    c.Polygon({{8.5, 13}, {13, 3}, {19, 10}, {22, 7}, {25.5, 15}, {21, 13}, {17, 16}, {13, 12}},
              0xF4F8FF, Rgb(0x9A, 0xA8, 0xC0));
  } else {
    c.Line({13, 4}, {10, 16}, Darken(rock, 0.45));
    c.Line({22, 8}, {24, 18}, Darken(rock, 0.45));
  }
}

std::vector<TileArt> FieldTiles() {
  return {
      {0, [](Canvas& c) { Grass(c, kGrass, 1); }},
      {1,
       [](Canvas& c) {
         Grass(c, kGrass, 2);
         Flower(c, 7, 8, 0xFFFFFF);
         Flower(c, 22, 6, Rgb(0xFF, 0x88, 0xB0));
         Flower(c, 14, 19, Rgb(0xFF, 0xF0, 0x60));
         Flower(c, 26, 24, 0xFFFFFF);
         Flower(c, 5, 26, Rgb(0xB0, 0x90, 0xFF));
       }},
      {2,
       [](Canvas& c) {
         Speckled(c, kDirt, 0.1, 3);
         for (int i = 0; i < 5; ++i) {
           c.Rect(3 + i * 6 % 26, 4 + i * 11 % 24, 2, 1, Darken(kDirt, 0.3));
         }
       }},
      {3, [](Canvas& c) { Speckled(c, Rgb(0xEC, 0xD8, 0x9C), 0.12, 4); }},
      {4, [](Canvas& c) { Planks(c, Rgb(0xA8, 0x70, 0x3C), true, 5); }},
      {5, [](Canvas& c) { Cobbles(c, Rgb(0xB8, 0xB0, 0xA4), Rgb(0x78, 0x70, 0x68), 6); }},
      {6,
       [](Canvas& c) {
         Speckled(c, Rgb(0x8A, 0x78, 0x66), 0.1, 7);
         c.Ellipse(16, 20, 12, 11, Rgb(0x5A, 0x4C, 0x40));
         c.Ellipse(16, 21, 9.5, 9, Rgb(0x14, 0x10, 0x10));
         c.Rect(6, 26, 20, 6, Rgb(0x14, 0x10, 0x10));
       }},
      {7,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x30, 0x2C, 0x2C));
         for (int i = 0; i < 5; ++i) {
           const Color step = Mix(Rgb(0xC0, 0xB8, 0xB0), Rgb(0x50, 0x48, 0x48), i / 4.0);
           c.Rect(2 + i, 2 + i * 6, 28 - 2 * i, 5, step);
           c.Rect(2 + i, 2 + i * 6, 28 - 2 * i, 1, Lighten(step, 0.3));
         }
       }},
      {8,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x8C, 0x88, 0x7C));
         for (int i = 0; i < 4; ++i) {
           const int x = (i % 2) * 16, y = (i / 2) * 16;
           c.Rect(x + 1, y + 1, 15, 15, Mix(Rgb(0xD0, 0xC8, 0xB4), Rgb(0xB8, 0xB0, 0x9C), i / 3.0));
         }
         Crack(c, 4, 3, 10, Rgb(0x70, 0x68, 0x5C), 8);
         c.Ellipse(25, 25, 4, 2.5, Rgb(0x6A, 0x9A, 0x4A));
       }},
      {9,
       [](Canvas& c) {
         Grass(c, Rgb(0x5C, 0xA4, 0x40), 9);
         for (int i = 0; i < 9; ++i) {
           const double x = 2 + i * 3.4, y = 10 + (i % 3) * 7;
           c.Line({x, y + 8}, {x - 2, y}, Rgb(0x3A, 0x80, 0x2C));
           c.Line({x + 1, y + 8}, {x + 3, y + 1}, Rgb(0x8C, 0xD0, 0x5C));
         }
       }},
      {10,
       [](Canvas& c) {
         Grass(c, kGrass, 10);
         for (int i = 6; i >= 0; --i) {
           const Color ring = i % 2 ? Rgb(0x7A, 0x3C, 0xE8) : Rgb(0x40, 0xE8, 0xE0);
           c.Ellipse(16, 16, 3 + i * 2, 2.5 + i * 1.9, ring);
         }
         c.Ellipse(16, 16, 3, 2.5, 0xFFFFFF);
       }},
      {11,
       [](Canvas& c) {
         Speckled(c, Rgb(0xA8, 0x88, 0x60), 0.08, 11);
         Crack(c, 2, 5, 18, Rgb(0x5A, 0x44, 0x30), 12);
         Crack(c, 14, 14, 16, Rgb(0x5A, 0x44, 0x30), 13);
         Crack(c, 20, 2, 9, Rgb(0x5A, 0x44, 0x30), 14);
       }},
      {12,
       [](Canvas& c) {
         Speckled(c, Rgb(0xF0, 0xF4, 0xFC), 0.04, 12);
         for (int i = 0; i < 6; ++i) {
           c.Set(3 + i * 5, 4 + i * 9 % 25, Rgb(0xB8, 0xC8, 0xE8));
         }
       }},
      {13,
       [](Canvas& c) {
         Water(c, Rgb(0x60, 0xB0, 0xE8), 13);
         c.Ellipse(9, 10, 4, 3, Ball(Rgb(0xA0, 0x98, 0x8C), 9, 10, 4));
         c.Ellipse(22, 22, 4, 3, Ball(Rgb(0xA0, 0x98, 0x8C), 22, 22, 4));
       }},
      {14, [](Canvas& c) { Grass(c, kDarkGrass, 14); }},
      {15,
       [](Canvas& c) {
         Speckled(c, Rgb(0xA8, 0xA4, 0x9C), 0.06, 15);
         for (int i = 0; i < 5; ++i) {
           c.Rect(2 + i * 5, 4 + i * 6, 12, 1, Rgb(0xC8, 0xC4, 0xBC));
         }
       }},
      // Solid.
      {128, [](Canvas& c) { Tree(c, kGrass, kLeaves, 128); }},
      {129,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x14, 0x3A, 0x1C));
         Canopy(c, 8, 8, 9, Darken(kLeaves, 0.15), 1);
         Canopy(c, 25, 10, 9, Darken(kLeaves, 0.1), 2);
         Canopy(c, 15, 24, 10, kLeaves, 3);
         Canopy(c, 31, 28, 7, Darken(kLeaves, 0.2), 4);
       }},
      {130, [](Canvas& c) { Water(c, kWater, 130); }},
      {131, [](Canvas& c) { Mountain(c, kGrass, Rgb(0x9A, 0x7A, 0x5A), false); }},
      {132,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x3A, 0x38, 0x36));
         const int rows[3][3] = {{0, 14, 32}, {0, 18, 32}, {0, 10, 32}};
         for (int r = 0; r < 3; ++r) {
           for (int k = 0; k < 2; ++k) {
             const int x = rows[r][k], w = rows[r][k + 1] - x;
             Bevel(c, x, r * 11, w, 11, Mix(kStone, Darken(kStone, 0.2), (r + k) % 2 * 0.5));
             c.Rect(x + 2, r * 11 + 2, w - 4, 7,
                    Mix(kStone, Darken(kStone, 0.2), (r + k) % 2 * 0.5));
           }
         }
       }},
      {133,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0xF0, 0xE4, 0xC8));
         c.Rect(0, 0, 32, 3, Rgb(0x6A, 0x42, 0x24));
         c.Rect(0, 29, 32, 3, Rgb(0x6A, 0x42, 0x24));
         c.Rect(0, 0, 3, 32, Rgb(0x6A, 0x42, 0x24));
         c.Rect(29, 0, 3, 32, Rgb(0x6A, 0x42, 0x24));
         c.Rect(9, 8, 14, 13, Rgb(0x6A, 0x42, 0x24));
         c.Rect(11, 10, 10, 9, VGradient(Rgb(0x9C, 0xD8, 0xFF), Rgb(0x4A, 0x8C, 0xD8), 10, 19));
         c.Rect(15, 10, 2, 9, Rgb(0x6A, 0x42, 0x24));
       }},
      {134, [](Canvas& c) { Roof(c, Rgb(0xC8, 0x40, 0x30), Rgb(0x7A, 0x20, 0x1C)); }},
      {135,
       [](Canvas& c) {
         Grass(c, kGrass, 135);
         const Color wood = Rgb(0xB8, 0x84, 0x4C);
         c.Rect(0, 11, 32, 4, wood, Darken(wood, 0.5));
         c.Rect(0, 21, 32, 4, wood, Darken(wood, 0.5));
         for (int x : {3, 24}) c.Rect(x, 5, 5, 25, Lighten(wood, 0.1), Darken(wood, 0.5));
       }},
      {136,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x8A, 0x64, 0x44));
         c.Rect(0, 0, 32, 6, Rgb(0x6A, 0xA4, 0x48));
         c.Rect(0, 6, 32, 2, Rgb(0x3E, 0x6A, 0x2C));
         for (int x = 1; x < 32; x += 5) {
           c.Rect(x, 8, 2, 24, Rgb(0x6A, 0x48, 0x30));
           c.Rect(x + 2, 8, 1, 24, Rgb(0xA8, 0x80, 0x5C));
         }
       }},
      {137,
       [](Canvas& c) {
         Bricks(c, Rgb(0xA8, 0xA0, 0x88), Rgb(0x5C, 0x58, 0x4C), 8, 12, 137);
         c.Polygon({{20, 0}, {32, 0}, {32, 9}, {26, 5}}, Rgb(0x5C, 0x58, 0x4C));
         c.Ellipse(6, 28, 6, 3, Rgb(0x5A, 0x8C, 0x3C));
         c.Ellipse(27, 12, 3, 2, Rgb(0x5A, 0x8C, 0x3C));
       }},
      {138,
       [](Canvas& c) {
         Grass(c, kGrass, 138);
         const Color wood = Rgb(0xB0, 0x7A, 0x44);
         c.Rect(14, 14, 4, 17, Darken(wood, 0.2), Darken(wood, 0.6));
         c.Rect(4, 5, 24, 12, wood, Darken(wood, 0.6));
         c.Rect(8, 9, 16, 1, Darken(wood, 0.5));
         c.Rect(8, 12, 12, 1, Darken(wood, 0.5));
       }},
      {139,
       [](Canvas& c) {
         Grass(c, kGrass, 139);
         c.Ellipse(17, 19, 13, 10, Darken(kGrass, 0.45));
         c.Ellipse(16, 16, 13, 12, Ball(Rgb(0x94, 0x90, 0x8A), 16, 16, 13), Rgb(0x4A, 0x48, 0x44));
       }},
      {140, [](Canvas& c) { Mountain(c, Rgb(0xF0, 0xF4, 0xFC), Rgb(0x7A, 0x80, 0x94), true); }},
      {141,
       [](Canvas& c) {
         Grass(c, kGrass, 141);
         c.Rect(7, 26, 18, 5, Rgb(0x9C, 0x98, 0x90), Rgb(0x5A, 0x58, 0x54));
         c.Rect(10, 4, 12, 23, HGradient(Rgb(0xE8, 0xE4, 0xDC), Rgb(0x88, 0x84, 0x7C), 10, 22),
                Rgb(0x5A, 0x58, 0x54));
         c.Rect(7, 1, 18, 5, Rgb(0xC8, 0xC4, 0xBC), Rgb(0x5A, 0x58, 0x54));
       }},
      {142,
       [](Canvas& c) {
         Bricks(c, Rgb(0xC8, 0xC0, 0xB0), Rgb(0x80, 0x78, 0x6C), 8, 16, 142);
         for (int x = 0; x < 32; x += 8) c.Rect(x, 0, 4, 4, Rgb(0x80, 0x78, 0x6C));
       }},
      {143,
       [](Canvas& c) {
         Grass(c, kGrass, 143);
         c.Rect(6, 22, 20, 9, Rgb(0x9C, 0x98, 0x90), Rgb(0x5A, 0x58, 0x54));
         const Color bronze = Rgb(0x6A, 0xA0, 0x8C);
         c.Ellipse(16, 15, 5, 8, Ball(bronze, 16, 15, 8), Darken(bronze, 0.5));
         c.Circle(16, 6, 4, Ball(bronze, 16, 6, 4), Darken(bronze, 0.5));
         c.Capsule({20, 12}, {25, 4}, 1.5, bronze, Darken(bronze, 0.5));
       }},
  };
}

}  // namespace

Surface BuildFieldTiles() { return BuildTileSheet(FieldTiles()); }

}  // namespace sheets
