// sonota: the boss bullet, the heroine's shots, bomb, bursts and fire, the gauge frame and bar,
// and the attack icons with their two markers. Images on white, masks black where opaque.

#include <cmath>
#include <numbers>

#include "canvas.h"
#include "pixel_font.h"
#include "sheets.h"

namespace sheets {

namespace {

constexpr Color kInk = Rgb(0x20, 0x18, 0x28);

// A glowing orb with a tail trailing behind it (to the left); mirrored for the other heading.
Canvas Bolt(Color glow, Color core, bool star) {
  Canvas c(32, 32);
  for (int i = 0; i < 4; ++i) {
    const double x = 6 + i * 3.5, r = 2 + i * 1.2;
    c.Circle(x, 16 + (i % 2 ? 1 : -1) * 0.5, r, Mix(0xFFFFFF, glow, 0.35 + i * 0.15));
  }
  c.Circle(21, 16, 8.5, glow, Darken(glow, 0.4));
  if (star) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
      const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
      const double r = i % 2 ? 3.2 : 7.5;
      pts.push_back({21 + r * std::cos(a), 16.5 + r * std::sin(a)});
    }
    c.Polygon(pts, core, Darken(glow, 0.3));
  } else {
    c.Circle(21, 16, 5, core);
    c.Circle(22.5, 14.5, 2, 0xFFFFFF);
  }
  c.Outline(Darken(glow, 0.6));
  return c;
}

Canvas BossBullet() {
  Canvas c(32, 32);
  c.Circle(16, 16, 11, Rgb(0x70, 0x10, 0x50), Rgb(0x30, 0x00, 0x20));
  c.Circle(16, 16, 8, Ball(Rgb(0xE0, 0x30, 0x90), 16, 16, 8));
  c.Circle(16, 16, 4, Rgb(0xFF, 0xC0, 0xE8));
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    c.Capsule({16 + 10 * std::cos(a), 16 + 10 * std::sin(a)},
              {16 + 14 * std::cos(a), 16 + 14 * std::sin(a)}, 1, Rgb(0xB0, 0x20, 0x70));
  }
  c.Outline(Rgb(0x30, 0x00, 0x20));
  return c;
}

Canvas Bomb() {
  Canvas c(32, 32);
  c.Circle(14, 19, 11, Ball(Rgb(0x38, 0x38, 0x48), 14, 19, 11), Rgb(0x10, 0x10, 0x18));
  c.Rect(17, 6, 7, 5, Rgb(0x80, 0x80, 0x90), Rgb(0x30, 0x30, 0x38));
  c.Capsule({22, 7}, {26, 3}, 1, Rgb(0xA0, 0x78, 0x48));
  c.Circle(27, 3, 2.5, Rgb(0xFF, 0xC0, 0x30));
  c.Circle(27, 3, 1, 0xFFFFFF);
  c.Circle(10, 14, 2.5, Rgb(0xB0, 0xB0, 0xC0));
  c.Outline(kInk);
  return c;
}

// A burst: 0 a white-hot flash, 1 the fireball, 2 smoke with embers.
Canvas Burst(int stage) {
  Canvas c(64, 64);
  const double cx = 32, cy = 32;
  auto blob = [&](double r, Color col, uint32_t seed, double rough) {
    c.Fill(
        0, 0, 64, 64,
        [&](double x, double y) {
          const double a = std::atan2(y - cy, x - cx), d = std::hypot(x - cx, y - cy);
          const double wobble = SmoothNoise((a + 4) * 2.5, 0.5, seed) * rough;
          return d <= r * (1 - rough / 2 + wobble);
        },
        col, kNoRim);
  };
  if (stage == 0) {
    for (int i = 0; i < 8; ++i) {
      const double a = i * std::numbers::pi / 4 + 0.2;
      c.Polygon({{cx + 20 * std::cos(a), cy + 20 * std::sin(a)},
                 {cx + 6 * std::cos(a + 0.5), cy + 6 * std::sin(a + 0.5)},
                 {cx + 6 * std::cos(a - 0.5), cy + 6 * std::sin(a - 0.5)}},
                Rgb(0xFF, 0xE0, 0x60));
    }
    blob(13, Rgb(0xFF, 0xB0, 0x30), 1, 0.3);
    blob(9, Rgb(0xFF, 0xF0, 0x90), 2, 0.3);
    blob(5, 0xFFFFFF, 3, 0.2);
  } else if (stage == 1) {
    blob(29, Rgb(0xC8, 0x30, 0x10), 4, 0.4);
    blob(24, Rgb(0xFF, 0x70, 0x10), 5, 0.4);
    blob(17, Rgb(0xFF, 0xC0, 0x30), 6, 0.4);
    blob(9, Rgb(0xFF, 0xF8, 0xC0), 7, 0.3);
  } else {
    const Pt puffs[6] = {{22, 36}, {40, 38}, {31, 24}, {18, 22}, {44, 24}, {32, 44}};
    for (int i = 0; i < 6; ++i) {
      const Color smoke = Mix(Rgb(0x70, 0x68, 0x68), Rgb(0xB0, 0xA8, 0xA8), i / 5.0);
      c.Circle(puffs[i].x, puffs[i].y, 11 - i * 0.8, Ball(smoke, puffs[i].x, puffs[i].y, 11),
               Darken(smoke, 0.35));
    }
    for (int i = 0; i < 7; ++i) {
      c.Circle(8 + Noise(i, 1, 9) * 48, 8 + Noise(i, 2, 9) * 48, 1.5, Rgb(0xFF, 0x90, 0x20));
    }
  }
  c.Outline(stage == 2 ? Rgb(0x38, 0x30, 0x30) : Rgb(0x80, 0x18, 0x08));
  return c;
}

// A pillar of fire 64 x 128 standing on the bottom edge: 0 rising, 1 full, 2 dying down.
Canvas FirePillar(int stage) {
  Canvas c(64, 128);
  const double heights[3] = {70, 126, 96};
  const double widths[3] = {20, 24, 14};
  const double top = 128 - heights[stage];
  const uint32_t seed = 40 + static_cast<uint32_t>(stage);
  const Color layers[4] = {Rgb(0xD0, 0x28, 0x08), Rgb(0xFF, 0x78, 0x10), Rgb(0xFF, 0xC8, 0x30),
                           Rgb(0xFF, 0xF8, 0xD0)};
  for (int y = 0; y < 128; ++y) {
    if (y < top) continue;
    const double t = (y - top) / (128 - top);  // 0 at the tip, 1 at the base
    const double sway = (SmoothNoise(y / 14.0, 1, seed) - 0.5) * 10 * (1 - t);
    const double half = widths[stage] * std::sqrt(t) * (0.8 + 0.4 * SmoothNoise(y / 6.0, 3, seed));
    for (int x = 0; x < 64; ++x) {
      const double d = std::abs(x + 0.5 - 32 - sway) / std::max(half, 0.5);
      if (d > 1) continue;
      const int layer = d > 0.75 ? 0 : d > 0.5 ? 1 : d > 0.25 ? 2 : 3;
      c.Set(x, y, layers[stage == 2 ? std::min(layer, 2) : layer]);
    }
  }
  // Tongues of flame and sparks around the pillar.
  for (int i = 0; i < 6; ++i) {
    const double x = 14 + Noise(i, 5, seed) * 36, y = top + 10 + Noise(i, 6, seed) * (118 - top);
    c.Ellipse(x, y, 2, 4, layers[1 + i % 2]);
  }
  c.Outline(Rgb(0x70, 0x10, 0x00));
  return c;
}

void GaugeFrame(Surface& sheet) {
  Canvas c(256, 32);
  const struct {
    const char* label;
    int y;
    Color plate;
  } rows[2] = {{"HP", 0, Rgb(0xC0, 0x30, 0x40)}, {"MP", 13, Rgb(0x30, 0x58, 0xC8)}};
  for (const auto& row : rows) {
    // The bar itself is copied over the trough from x 20, 9 pixels high, at most 201 wide.
    c.Rect(0, row.y, 18, 10, row.plate, Darken(row.plate, 0.5));
    PixelText(c, 3, row.y + 1, row.label, 0xFFFFFF);
    c.Rect(19, row.y, 203, 10, Rgb(0x18, 0x14, 0x20));
    c.Rect(20, row.y, 201, 9, Rgb(0x40, 0x3C, 0x48));
    for (int x = 70; x < 221; x += 50) c.Rect(x, row.y + 6, 1, 3, Rgb(0x58, 0x54, 0x60));
  }
  c.PutSprite(sheet, 0, 64, 0, 96);
}

void GaugeBar(Surface& sheet) {
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 256; ++x) {
      const double t = std::min(1.0, x / 200.0);
      Color c = t < 0.5 ? Mix(Rgb(0xE8, 0x30, 0x30), Rgb(0xF8, 0xD0, 0x30), t * 2)
                        : Mix(Rgb(0xF8, 0xD0, 0x30), Rgb(0x40, 0xD8, 0x60), t * 2 - 1);
      if (y == 1 || y == 2) c = Lighten(c, 0.45);
      if (y >= 7) c = Darken(c, 0.3);
      sheet.Set(x, 128 + y, c);
    }
  }
}

// The icon of an attack kind on a rounded badge.
Canvas Icon(int kind) {
  Canvas c(32, 32);
  const Color badge[4] = {Rgb(0x2C, 0x5C, 0xB8), Rgb(0xB8, 0x8C, 0x20), Rgb(0xC0, 0x38, 0x20),
                          Rgb(0x50, 0x50, 0x60)};
  c.Fill(
      2, 2, 30, 30,
      [](double x, double y) {
        const double dx = std::max(std::abs(x - 16) - 10, 0.0),
                     dy = std::max(std::abs(y - 16) - 10, 0.0);
        return dx * dx + dy * dy <= 16;
      },
      VGradient(Lighten(badge[kind], 0.35), Darken(badge[kind], 0.2), 2, 30),
      Darken(badge[kind], 0.6));
  Canvas symbol(32, 32);
  switch (kind) {
    case 0:
      symbol.Draw(Bolt(Rgb(0x60, 0xC0, 0xFF), Rgb(0xE0, 0xF8, 0xFF), false), 0, 0);
      break;
    case 1:
      symbol.Draw(Bolt(Rgb(0xFF, 0xC0, 0x30), Rgb(0xFF, 0xF8, 0xA0), true), 0, 0);
      break;
    case 2: {
      // A flame: three nested teardrops.
      const Color layers[3] = {Rgb(0xD8, 0x30, 0x08), Rgb(0xFF, 0x90, 0x18), Rgb(0xFF, 0xE8, 0x80)};
      for (int i = 0; i < 3; ++i) {
        const double r = 9 - i * 3, base = 25 - i * 1.5;
        symbol.Circle(16, base - r, r, layers[i]);
        symbol.Polygon({{16 - r * 0.95, base - r * 1.3},
                        {16 + r * 0.95, base - r * 1.3},
                        {17 + i * 0.5, base - r * 3.2}},
                       layers[i]);
      }
      symbol.Outline(Rgb(0x70, 0x10, 0x00));
      break;
    }
    default:
      symbol.Draw(Bomb(), 1, -1);
      break;
  }
  // Keep the symbol inside the badge.
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (symbol.Opaque(x, y) && x >= 4 && x < 28 && y >= 4 && y < 28) c.Set(x, y, symbol.At(x, y));
    }
  }
  return c;
}

// The marker of key X (an outer ring with an X badge at the top left) and of key C (an inner
// ring with a C badge at the bottom right), so both show when they select the same icon.
Canvas Marker(bool keyC) {
  Canvas c(32, 32);
  const Color ring = keyC ? Rgb(0xFF, 0x60, 0xC0) : Rgb(0x40, 0xF0, 0xFF);
  const int inset = keyC ? 1 : 0;
  c.Rect(inset, inset, 32 - 2 * inset, 1, ring);
  c.Rect(inset, 31 - inset, 32 - 2 * inset, 1, ring);
  c.Rect(inset, inset, 1, 32 - 2 * inset, ring);
  c.Rect(31 - inset, inset, 1, 32 - 2 * inset, ring);
  const int bx = keyC ? 22 : 0, by = keyC ? 22 : 0;
  c.Rect(bx, by, 10, 10, ring, Darken(ring, 0.6));
  PixelText(c, bx + 3 - (keyC ? 1 : 0), by + 2 - (keyC ? 1 : 0), keyC ? "C" : "X", kInk);
  return c;
}

}  // namespace

Surface BuildSonota() {
  Surface sheet = BlankSheet(485, 355);
  BossBullet().PutSprite(sheet, 0, 0, 0, 32);
  for (int kind = 0; kind < 2; ++kind) {
    const Canvas right = kind == 0 ? Bolt(Rgb(0x60, 0xC0, 0xFF), Rgb(0xE0, 0xF8, 0xFF), false)
                                   : Bolt(Rgb(0xFF, 0xC0, 0x30), Rgb(0xFF, 0xF8, 0xA0), true);
    const int x = 32 + kind * 64;
    right.PutSprite(sheet, x, 0, x, 32);
    right.Mirrored().PutSprite(sheet, x + 32, 0, x + 32, 32);
  }
  Bomb().PutSprite(sheet, 160, 0, 160, 32);
  GaugeFrame(sheet);
  GaugeBar(sheet);
  for (int kind = 0; kind < 4; ++kind) Icon(kind).PutSprite(sheet, 32 * kind, 160, 32 * kind, 192);
  Marker(false).PutSprite(sheet, 128, 160, 128, 192);
  Marker(true).PutSprite(sheet, 160, 160, 160, 192);
  for (int stage = 0; stage < 3; ++stage) {
    Burst(stage).PutSprite(sheet, 64 * stage, 224, 64 * stage, 288);
    FirePillar(stage).PutSprite(sheet, 288 + 64 * stage, 0, 288 + 64 * stage, 128);
  }
  return sheet;
}

}  // namespace sheets
