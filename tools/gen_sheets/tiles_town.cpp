// MapChr3: the town seen from above (catalogue in assets/tiles.md). Its people are solid tiles.

#include <cmath>

#include "figures.h"
#include "sheets.h"
#include "tiles_common.h"

namespace sheets {

namespace {

constexpr Color kFloor = Rgb(0xC0, 0x8C, 0x54);
constexpr Color kPavement = Rgb(0xC4, 0xBC, 0xAC);
constexpr Color kGrass = Rgb(0x6C, 0xB4, 0x4C);

void Pavement(Canvas& c) {
  c.Rect(0, 0, 32, 32, Darken(kPavement, 0.3));
  for (int i = 0; i < 4; ++i) {
    const int x = (i % 2) * 16, y = (i / 2) * 16;
    c.Rect(x + 1, y + 1, 15, 15, Mix(kPavement, Lighten(kPavement, 0.2), Noise(i, 0, 77)));
  }
}

void Floor(Canvas& c) { Planks(c, kFloor, false, 300); }

Look Townsfolk(Color hair, Color dress, HairStyle style) {
  Look l;
  l.hair = hair;
  l.dress = dress;
  l.style = style;
  l.ribbon = Darken(dress, 0.3);
  return l;
}

void Carpet(Canvas& c) {
  c.Rect(0, 0, 32, 32, Rgb(0xB8, 0x2C, 0x3C));
  for (int y = 0; y < 32; y += 8) {
    for (int x = 0; x < 32; x += 8) {
      c.Polygon({{x + 4.0, y + 1.0}, {x + 7.0, y + 4.0}, {x + 4.0, y + 7.0}, {x + 1.0, y + 4.0}},
                Rgb(0xD8, 0x50, 0x58));
    }
  }
}

void Townsman(Canvas& c, bool upper) {
  Pavement(c);
  Look l = Townsfolk(Rgb(0x3A, 0x2A, 0x20), Rgb(0x4C, 0x7C, 0x4C), HairStyle::Short);
  l.trousers = true;
  l.legs = Rgb(0x5A, 0x44, 0x30);
  TallPerson(c, l, upper);
}

// A woman of the square, or the fortune teller in her house (on the carpet, in violet).
void Townswoman(Canvas& c, bool upper, bool teller) {
  if (teller) {
    Carpet(c);
    TallPerson(c, Townsfolk(Rgb(0x20, 0x18, 0x30), Rgb(0x5A, 0x2C, 0x8C), HairStyle::Ponytail),
               upper);
  } else {
    Pavement(c);
    TallPerson(c, Townsfolk(Rgb(0xC8, 0x6A, 0x2C), Rgb(0xE0, 0x8C, 0x3C), HairStyle::Bun), upper);
  }
}

// The elder in his house, on its carpet.
void Elder(Canvas& c, bool upper) {
  Carpet(c);
  Look l = Townsfolk(Rgb(0xE8, 0xE8, 0xF0), Rgb(0x6A, 0x4C, 0x9C), HairStyle::Bald);
  l.beard = true;
  TallPerson(c, l, upper);
}

void Innkeeper(Canvas& c, bool upper) {
  Floor(c);
  Look l = Townsfolk(Rgb(0x5A, 0x3A, 0x2A), Rgb(0x8C, 0x5C, 0x9C), HairStyle::Bun);
  l.apron = true;
  TallPerson(c, l, upper);
}

std::vector<TileArt> TownTiles() {
  return {
      {0, [](Canvas& c) { Floor(c); }},
      {1, [](Canvas& c) { Pavement(c); }},
      {2, [](Canvas& c) { Carpet(c); }},
      {3, [](Canvas& c) { Grass(c, kGrass, 303); }},
      {4,
       [](Canvas& c) {
         Floor(c);
         c.Rect(3, 0, 26, 32, Rgb(0x6A, 0x42, 0x24));
         c.Rect(6, 3, 20, 29, Rgb(0x3A, 0x24, 0x16));
         c.Rect(6, 28, 20, 4, Rgb(0xA8, 0x78, 0x44));
       }},
      {5,
       [](Canvas& c) {
         // The foot of a bed (its head is tile 144 above): the blanket to lie down under.
         Floor(c);
         c.Rect(3, 0, 26, 30, Rgb(0x8A, 0x54, 0x2C), Rgb(0x4A, 0x2C, 0x18));
         c.Rect(5, 0, 22, 27, VGradient(Rgb(0x4A, 0x78, 0xD0), Rgb(0x3A, 0x60, 0xB0), 0, 27),
                Rgb(0x2A, 0x40, 0x80));
         c.Rect(5, 12, 22, 2, Rgb(0x30, 0x50, 0xA0));
       }},
      {6,
       [](Canvas& c) {
         Pavement(c);
         c.Ellipse(16, 25, 11, 5, Rgb(0x70, 0x70, 0x80), Rgb(0x40, 0x40, 0x50));
         c.Circle(16, 14, 12, Mix(kPavement, Rgb(0x80, 0xE0, 0xFF), 0.45));
         c.Polygon({{16, 2}, {23, 13}, {16, 27}, {9, 13}}, Rgb(0x50, 0xC8, 0xFF),
                   Rgb(0x18, 0x50, 0xA0));
         c.Polygon({{16, 2}, {23, 13}, {16, 13}}, Rgb(0xB8, 0xF0, 0xFF));
         c.Polygon({{16, 13}, {23, 13}, {16, 27}}, Rgb(0x2C, 0x90, 0xE0));
         c.Set(13, 8, 0xFFFFFF);
         c.Set(12, 10, 0xFFFFFF);
       }},
      {7,
       [](Canvas& c) {
         Speckled(c, Rgb(0xC8, 0xA0, 0x68), 0.1, 307);
         c.Rect(8, 0, 2, 32, Rgb(0xA8, 0x80, 0x50));
         c.Rect(22, 0, 2, 32, Rgb(0xA8, 0x80, 0x50));
       }},
      {8,
       [](Canvas& c) {
         Speckled(c, Rgb(0x6A, 0x48, 0x30), 0.1, 308);
         const Color colours[3] = {Rgb(0xFF, 0x60, 0x80), Rgb(0xFF, 0xE0, 0x50), 0xFFFFFF};
         for (int i = 0; i < 9; ++i) {
           const int x = 5 + (i % 3) * 11, y = 5 + (i / 3) * 11;
           c.Circle(x, y + 2, 2.5, Rgb(0x3C, 0x8C, 0x3C));
           Flower(c, x, y, colours[i % 3]);
         }
       }},
      {9,
       [](Canvas& c) {
         Floor(c);
         c.Ellipse(16, 16, 15, 12, Rgb(0x4A, 0x70, 0x40));
         c.Ellipse(16, 16, 12, 9, Rgb(0xD8, 0xC0, 0x70));
         c.Ellipse(16, 16, 8, 5.5, Rgb(0x4A, 0x70, 0x40));
       }},
      // Solid.
      {128,
       [](Canvas& c) {
         Bricks(c, Rgb(0xD8, 0xCC, 0xB0), Rgb(0x8C, 0x80, 0x6C), 8, 16, 328);
         c.Rect(0, 0, 32, 4, Rgb(0x6A, 0x42, 0x24));
         c.Rect(0, 28, 32, 4, Rgb(0x4A, 0x30, 0x1C));
       }},
      {129, [](Canvas& c) { Roof(c, Rgb(0x3C, 0x64, 0xC0), Rgb(0x1C, 0x34, 0x6C)); }},
      {130,
       [](Canvas& c) {
         Floor(c);
         c.Rect(0, 6, 32, 20, Rgb(0x8A, 0x54, 0x2C), Rgb(0x40, 0x24, 0x10));
         c.Rect(1, 7, 30, 6, Rgb(0xB8, 0x80, 0x48));
       }},
      {131,
       [](Canvas& c) {
         c.Rect(0, 0, 32, 32, Rgb(0x6A, 0x42, 0x24));
         const Color books[6] = {Rgb(0xC8, 0x3C, 0x3C), Rgb(0x3C, 0x6C, 0xC8),
                                 Rgb(0x3C, 0xA0, 0x50), Rgb(0xD8, 0xB0, 0x40),
                                 Rgb(0x8A, 0x4C, 0xB0), Rgb(0xE0, 0xE0, 0xD0)};
         for (int shelf = 0; shelf < 2; ++shelf) {
           const int y = 2 + shelf * 15;
           c.Rect(2, y, 28, 12, Rgb(0x3A, 0x22, 0x12));
           for (int b = 0; b < 7; ++b) {
             const int h = 8 + (b * 3 + shelf) % 4;
             c.Rect(3 + b * 4, y + 12 - h, 3, h, books[(b + shelf * 2) % 6]);
           }
         }
       }},
      {132,
       [](Canvas& c) {
         Floor(c);
         c.Circle(16, 16, 13, Ball(Rgb(0xA0, 0x68, 0x34), 16, 16, 13), Rgb(0x4A, 0x2C, 0x14));
         c.Circle(16, 16, 9, Rgb(0x8A, 0x58, 0x2C), Rgb(0x50, 0x50, 0x58));
         c.Circle(16, 16, 1.5, Rgb(0x4A, 0x2C, 0x14));
       }},
      {133,
       [](Canvas& c) {
         Floor(c);
         c.Rect(2, 5, 28, 22, Rgb(0x9C, 0x64, 0x34), Rgb(0x4A, 0x2C, 0x14));
         c.Rect(3, 6, 26, 4, Rgb(0xC0, 0x88, 0x50));
         c.Circle(10, 16, 3, 0xFFFFFF, Rgb(0xA0, 0xA0, 0xA0));
         c.Rect(19, 13, 6, 7, Rgb(0xE0, 0xC0, 0x60), Rgb(0x80, 0x60, 0x20));
       }},
      {134,
       [](Canvas& c) {
         Pavement(c);
         c.Circle(16, 16, 15, Ball(Rgb(0xC8, 0xC4, 0xBC), 16, 16, 15), Rgb(0x60, 0x5C, 0x58));
         c.Circle(16, 16, 12, Rgb(0x40, 0x90, 0xE0));
         c.Circle(16, 16, 4, Rgb(0xC8, 0xC4, 0xBC), Rgb(0x60, 0x5C, 0x58));
         c.Circle(16, 14, 2, Rgb(0xC8, 0xF0, 0xFF));
         c.Rect(8, 9, 3, 1, Rgb(0xC8, 0xF0, 0xFF));
         c.Rect(22, 21, 3, 1, Rgb(0xC8, 0xF0, 0xFF));
       }},
      {135,
       [](Canvas& c) {
         Tree(c, kGrass, Rgb(0x3A, 0x96, 0x40), 335);
         c.Circle(10, 10, 1.8, Rgb(0xE8, 0x40, 0x30));
         c.Circle(20, 15, 1.8, Rgb(0xE8, 0x40, 0x30));
       }},
      {136,
       [](Canvas& c) {
         Grass(c, kGrass, 336);
         const Color wood = 0xF0ECE4;
         c.Rect(0, 12, 32, 3, wood, Rgb(0x90, 0x8C, 0x84));
         c.Rect(0, 20, 32, 3, wood, Rgb(0x90, 0x8C, 0x84));
         for (int x = 2; x < 32; x += 8) {
           c.Polygon({{x + 0.0, 28}, {x + 0.0, 8}, {x + 2.5, 5}, {x + 5.0, 8}, {x + 5.0, 28}}, wood,
                     Rgb(0x90, 0x8C, 0x84));
         }
       }},
      // People stand two tiles tall: the body (with the code) and the head above it.
      {137, [](Canvas& c) { Townsman(c, false); }},
      {138, [](Canvas& c) { Townswoman(c, false, false); }},
      {139, [](Canvas& c) { Elder(c, false); }},
      {140, [](Canvas& c) { Innkeeper(c, false); }},
      {141,
       [](Canvas& c) {
         Pavement(c);
         const Color wood = Rgb(0xB0, 0x7A, 0x44);
         c.Rect(6, 16, 3, 14, Darken(wood, 0.3), Darken(wood, 0.6));
         c.Rect(23, 16, 3, 14, Darken(wood, 0.3), Darken(wood, 0.6));
         c.Rect(2, 4, 28, 14, wood, Darken(wood, 0.6));
         c.Rect(6, 8, 20, 1, Darken(wood, 0.5));
         c.Rect(6, 12, 14, 1, Darken(wood, 0.5));
       }},
      {142,
       [](Canvas& c) {
         Grass(c, kGrass, 342);
         c.Circle(16, 17, 13, Ball(Rgb(0xA8, 0xA4, 0x9C), 16, 17, 13), Rgb(0x4A, 0x48, 0x44));
         c.Circle(16, 17, 8.5, Rgb(0x10, 0x20, 0x40));
         c.Circle(14, 15, 2.5, Rgb(0x30, 0x50, 0x80));
         c.Rect(3, 3, 26, 3, Rgb(0x8A, 0x54, 0x2C), Rgb(0x4A, 0x2C, 0x18));
       }},
      {143,
       [](Canvas& c) {
         Pavement(c);
         Look l = Townsfolk(Rgb(0x2A, 0x20, 0x18), Rgb(0xE8, 0xC8, 0x40), HairStyle::Short);
         TilePerson(c, l, 0.7);
       }},
      {144,
       [](Canvas& c) {
         Floor(c);
         // The head of a bed: its board and a pillow, the blanket runs on into the tile below.
         c.Rect(3, 4, 26, 28, Rgb(0x8A, 0x54, 0x2C), Rgb(0x4A, 0x2C, 0x18));
         c.Rect(3, 2, 26, 6, Rgb(0x6A, 0x3C, 0x1C), Rgb(0x3A, 0x20, 0x10));
         c.Rect(6, 10, 20, 10, 0xFFFFFF, Rgb(0xB8, 0xB8, 0xC8));
         c.Rect(5, 22, 22, 10, VGradient(Rgb(0x5C, 0x8C, 0xE0), Rgb(0x4A, 0x78, 0xD0), 22, 32),
                Rgb(0x2A, 0x40, 0x80));
         c.Rect(5, 22, 22, 3, Rgb(0xF0, 0xF0, 0xF8));
       }},
      {145, [](Canvas& c) { Townsman(c, true); }},
      {146, [](Canvas& c) { Townswoman(c, true, false); }},
      {147, [](Canvas& c) { Elder(c, true); }},
      {148, [](Canvas& c) { Innkeeper(c, true); }},
      {149, [](Canvas& c) { Townswoman(c, true, true); }},
      {150, [](Canvas& c) { Townswoman(c, false, true); }},
  };
}

}  // namespace

Surface BuildTownTiles() { return BuildTileSheet(TownTiles()); }

}  // namespace sheets
