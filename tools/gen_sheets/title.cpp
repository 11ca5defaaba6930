// The title picture: a night sky over the hills, the strange gate glowing, the heroine looking at
// it, the game's name and the two keys. 485 x 393; the play screen shows its top-left 480 x 384.

#include <cmath>

#include "figures.h"
#include "sheets.h"
#include "text_art.h"

namespace sheets {

namespace {

void Sky(Canvas& c) {
  for (int y = 0; y < c.Height(); ++y) {
    const double t = y / 290.0;
    const Color col = t < 0.55
                          ? Mix(Rgb(0x0C, 0x0C, 0x2C), Rgb(0x3A, 0x24, 0x6A), t / 0.55)
                          : Mix(Rgb(0x3A, 0x24, 0x6A), Rgb(0xE8, 0x8C, 0x5C), (t - 0.55) / 0.45);
    c.Rect(0, y, c.Width(), 1, col);
  }
  for (int i = 0; i < 90; ++i) {
    const int x = static_cast<int>(Noise(i, 1, 5) * 485),
              y = static_cast<int>(Noise(i, 2, 5) * 200);
    const Color star = Mix(0xFFFFFF, Rgb(0xFF, 0xE8, 0xA0), Noise(i, 3, 5));
    c.Set(x, y, star);
    if (i % 9 == 0) {
      c.Set(x - 1, y, Darken(star, 0.4));
      c.Set(x + 1, y, Darken(star, 0.4));
      c.Set(x, y - 1, Darken(star, 0.4));
      c.Set(x, y + 1, Darken(star, 0.4));
    }
  }
  // The moon.
  c.Circle(412, 60, 26, Rgb(0xFF, 0xF4, 0xD0));
  c.Circle(424, 52, 24, Mix(Rgb(0x0C, 0x0C, 0x2C), Rgb(0x3A, 0x24, 0x6A), 0.25));
}

void Ridge(Canvas& c, double base, double height, double scale, uint32_t seed, Color col) {
  for (int x = 0; x < c.Width(); ++x) {
    const double n =
        SmoothNoise(x / scale, 0.5, seed) * 0.7 + SmoothNoise(x / (scale / 3), 2.5, seed) * 0.3;
    const double top = base - n * height;
    c.Rect(x, top, 1, c.Height() - top, col);
  }
}

void Gate(Canvas& c, double cx, double cy) {
  for (int i = 14; i >= 0; --i) {
    const double r = 6 + i * 3.2;
    const Color ring = i % 2 ? Rgb(0x8A, 0x4C, 0xF0) : Rgb(0x48, 0xF0, 0xE0);
    c.Ellipse(cx, cy, r * 0.62, r, Mix(ring, Rgb(0x3A, 0x24, 0x6A), i / 20.0));
  }
  c.Ellipse(cx, cy, 4, 7, 0xFFFFFF);
  for (int i = 0; i < 12; ++i) {
    const double a = i * 0.52, d = 56 + Noise(i, 4, 9) * 14;
    c.Circle(cx + std::cos(a) * d * 0.62, cy + std::sin(a) * d, 1.5, Rgb(0xB8, 0xFF, 0xF8));
  }
}

}  // namespace

Surface BuildTitle() {
  Canvas c(485, 393);
  Sky(c);
  Ridge(c, 250, 60, 90, 1, Rgb(0x4A, 0x34, 0x6C));
  Ridge(c, 282, 40, 60, 2, Rgb(0x2A, 0x22, 0x48));
  Gate(c, 356, 262);
  Ridge(c, 330, 26, 120, 3, Rgb(0x16, 0x20, 0x24));
  // The heroine on the hill, seen from behind, looking at the gate.
  Canvas heroine(80, 90);
  Pose look;
  look.view = View::Back;
  DrawPerson(heroine, 40, 86, 1.45, HeroineLook(), look);
  heroine.Outline(Rgb(0x10, 0x0C, 0x18));
  c.Draw(heroine, 222, 248);

  Lettering name;
  name.fill = VGradient(Rgb(0xFF, 0xF6, 0xC0), Rgb(0xF0, 0x9C, 0x28), 48, 104);
  name.outline = Rgb(0x3A, 0x14, 0x08);
  name.outlineWidth = 3;
  name.shadow = Rgb(0x08, 0x04, 0x10);
  name.shadowOffset = 4;
  DrawTextCentred(c, 240, 46, 42, "ＫＯＲＶＥＬＡ", name);

  c.Rect(60, 342, 360, 30, Rgb(0x08, 0x08, 0x14));
  c.Rect(60, 342, 360, 1, Rgb(0x8A, 0x70, 0xC8));
  c.Rect(60, 371, 360, 1, Rgb(0x8A, 0x70, 0xC8));
  Lettering keys;
  keys.fill = Paint(0xFFFFFF);
  keys.outline = Rgb(0x20, 0x18, 0x40);
  keys.outlineWidth = 1;
  DrawTextCentred(c, 240, 347, 14, "スペース：はじめから　Ｃ：つづきから", keys);

  Surface sheet = BlankSheet(485, 393);
  c.PutPicture(sheet, 0, 0);
  return sheet;
}

}  // namespace sheets
