#include "tiles_common.h"

#include <cmath>
#include <string>

#include "figures.h"
#include "pixel_font.h"
#include "sheets.h"

namespace sheets {

namespace {

void PlainTile(Canvas& c, int number, bool solid) {
  if (solid) {
    c.Rect(0, 0, kTile, kTile, Rgb(0x4A, 0x4E, 0x5A));
    Bevel(c, 0, 0, kTile, kTile, Rgb(0x4A, 0x4E, 0x5A));
  } else {
    c.Rect(0, 0, kTile, kTile, Rgb(0xE6, 0xE0, 0xCC));
    c.Rect(0, 0, kTile, 1, Rgb(0xD2, 0xCA, 0xB2));
    c.Rect(0, 0, 1, kTile, Rgb(0xD2, 0xCA, 0xB2));
  }
  const std::string text = std::to_string(number);
  const int x = (kTile - PixelTextWidth(text)) / 2;
  PixelText(c, x, 12, text, solid ? Rgb(0xD8, 0xDC, 0xE8) : Rgb(0x8A, 0x80, 0x6A));
}

}  // namespace

Surface BuildTileSheet(const std::vector<TileArt>& tiles) {
  Surface sheet = BlankSheet(16 * kTile, 16 * kTile);
  for (int t = 0; t < 256; ++t) {
    Canvas c = Canvas::Filled(kTile, kTile, 0xFFFFFF);
    bool drawn = false;
    for (const TileArt& art : tiles) {
      if (art.number == t) {
        art.draw(c);
        drawn = true;
      }
    }
    if (!drawn) PlainTile(c, t, t >= 128);
    c.PutPicture(sheet, kTile * (t % 16), kTile * (t / 16));
  }
  return sheet;
}

void Speckled(Canvas& c, Color base, double spread, uint32_t seed) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const double n = Noise(x, y, seed) - 0.5;
      c.Set(x, y, n > 0 ? Lighten(base, n * spread * 2) : Darken(base, -n * spread * 2));
    }
  }
}

void Grass(Canvas& c, Color base, uint32_t seed) {
  Speckled(c, base, 0.08, seed);
  const Color blade = Darken(base, 0.28), tip = Lighten(base, 0.22);
  for (int i = 0; i < 14; ++i) {
    const int x = static_cast<int>(Noise(i, 1, seed) * 30) + 1;
    const int y = static_cast<int>(Noise(i, 2, seed) * 28) + 2;
    c.Set(x, y, blade);
    c.Set(x, y + 1, blade);
    c.Set(x + 1, y - 1, tip);
    c.Set(x - 1, y, blade);
  }
}

void Planks(Canvas& c, Color wood, bool vertical, uint32_t seed) {
  const int width = 8;
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      const int across = vertical ? x : y, along = vertical ? y : x;
      const int plank = across / width;
      const double grain = SmoothNoise(along / 6.0, across * 1.7 + plank * 9.0, seed);
      Color col = Mix(wood, Darken(wood, 0.25), grain * 0.8);
      if (across % width == 0) col = Darken(wood, 0.5);
      if (across % width == 1) col = Lighten(wood, 0.15);
      // Plank ends, staggered.
      if ((along + plank * 13) % kTile == 0) col = Darken(wood, 0.45);
      c.Set(x, y, col);
    }
  }
}

void Water(Canvas& c, Color deep, uint32_t seed) {
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      const double n = SmoothNoise(x / 5.0, y / 3.0, seed);
      c.Set(x, y, Mix(deep, Lighten(deep, 0.18), n));
    }
  }
  const Color crest = Lighten(deep, 0.55);
  for (int i = 0; i < 4; ++i) {
    const int x = 3 + static_cast<int>(Noise(i, 7, seed) * 20);
    const int y = 4 + i * 7 + static_cast<int>(Noise(i, 8, seed) * 3);
    c.Rect(x, y, 5, 1, crest);
    c.Set(x + 5, y + 1, crest);
    c.Set(x - 1, y + 1, crest);
  }
}

void Cobbles(Canvas& c, Color stone, Color gaps, uint32_t seed) {
  c.Rect(0, 0, kTile, kTile, gaps);
  for (int row = 0; row < 4; ++row) {
    const int offset = row % 2 ? 4 : 0;
    for (int col = -1; col < 4; ++col) {
      const double x = col * 8 + offset + 4, y = row * 8 + 4;
      const Color s = Mix(stone, Darken(stone, 0.2), Noise(col + 5, row, seed));
      c.Ellipse(x, y, 3.6, 3.3, Ball(s, x, y, 3.5));
    }
  }
}

void Bricks(Canvas& c, Color brick, Color mortar, int rowHeight, int brickWidth, uint32_t seed) {
  c.Rect(0, 0, kTile, kTile, mortar);
  for (int row = 0; row * rowHeight < kTile; ++row) {
    const int offset = row % 2 ? brickWidth / 2 : 0;
    for (int col = -1; col * brickWidth < kTile + brickWidth; ++col) {
      const int x = col * brickWidth + offset, y = row * rowHeight;
      const Color b = Mix(brick, Darken(brick, 0.22), Noise(col + 3, row, seed));
      c.Rect(x + 1, y + 1, brickWidth - 1, rowHeight - 1, b);
      c.Rect(x + 1, y + 1, brickWidth - 1, 1, Lighten(b, 0.2));
    }
  }
}

void Bevel(Canvas& c, int x, int y, int w, int h, Color face, int depth) {
  const Color light = Lighten(face, 0.35), dark = Darken(face, 0.45);
  for (int i = 0; i < depth; ++i) {
    c.Rect(x + i, y + i, w - 2 * i, 1, light);
    c.Rect(x + i, y + i, 1, h - 2 * i, light);
    c.Rect(x + i, y + h - 1 - i, w - 2 * i, 1, dark);
    c.Rect(x + w - 1 - i, y + i, 1, h - 2 * i, dark);
  }
}

void Canopy(Canvas& c, double cx, double cy, double r, Color leaves, uint32_t seed) {
  c.Ellipse(cx + 1.5, cy + 2.5, r, r * 0.9, Darken(leaves, 0.6));
  c.Circle(cx, cy, r, Ball(leaves, cx, cy, r), Darken(leaves, 0.55));
  for (int i = 0; i < 9; ++i) {
    const double a = Noise(i, 3, seed) * 6.283, d = Noise(i, 4, seed) * r * 0.7;
    const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
    const bool lit = (x - cx) + (y - cy) < 0;
    c.Circle(x, y, 2.2, lit ? Lighten(leaves, 0.25) : Darken(leaves, 0.2));
  }
}

void Crack(Canvas& c, int x, int y, int length, Color ink, uint32_t seed) {
  for (int i = 0; i < length; ++i) {
    c.Set(x, y, ink);
    const double n = Noise(i, 11, seed);
    if (n < 0.35) {
      ++x;
    } else if (n < 0.7) {
      ++y;
    } else {
      ++x, ++y;
    }
  }
}

void Flower(Canvas& c, int x, int y, Color petals) {
  c.Set(x - 1, y, petals);
  c.Set(x + 1, y, petals);
  c.Set(x, y - 1, petals);
  c.Set(x, y + 1, petals);
  c.Set(x, y, Rgb(0xFF, 0xE0, 0x40));
}

void Roof(Canvas& c, Color tile, Color gaps) {
  c.Rect(0, 0, kTile, kTile, gaps);
  for (int row = 0; row < 4; ++row) {
    for (int col = -1; col < 5; ++col) {
      const double x = col * 8 + (row % 2) * 4 + 4, y = row * 8 + 3;
      c.Ellipse(x, y, 4, 5, Ball(tile, x, y, 5), gaps);
    }
  }
}

void Tree(Canvas& c, Color grass, Color leaves, uint32_t seed) {
  Grass(c, grass, seed);
  c.Rect(14, 20, 5, 11, Rgb(0x7A, 0x4C, 0x28), Rgb(0x4A, 0x2C, 0x18));
  Canopy(c, 16, 13, 12.5, leaves, seed);
}

void TilePerson(Canvas& c, const Look& look, double scale) {
  Canvas figure(kTile, kTile);
  DrawPerson(figure, 16, 31, scale, look, Pose{});
  figure.Outline(kOutline);
  // A shadow on the ground under the feet.
  c.Ellipse(16, 29.5, 9, 2.5, Darken(c.At(16, 30), 0.35));
  c.Draw(figure, 0, 0);
}

void TallPerson(Canvas& c, const Look& look, bool upper) {
  Canvas figure(kTile, 2 * kTile);
  DrawPerson(figure, 16, 2 * kTile - 2, 1.0, look, Pose{});
  figure.Outline(kOutline);
  if (upper) {
    c.Draw(figure, 0, 0);
  } else {
    c.Ellipse(16, 29.5, 10, 2.5, Darken(c.At(16, 30), 0.35));
    c.Draw(figure, 0, -kTile);
  }
}

}  // namespace sheets
