#include "scene_props.h"

#include <cmath>
#include <numbers>

namespace sheets {

namespace {
Color Rim(Color c) { return Darken(c, 0.5); }
constexpr Color kInk = Rgb(0x20, 0x18, 0x20);
}  // namespace

void Room(Canvas& c, Color wall, Color floor) {
  c.Rect(0, 0, c.Width(), 130, VGradient(Lighten(wall, 0.1), Darken(wall, 0.1), 0, 130));
  for (int x = 12; x < c.Width(); x += 24) c.Rect(x, 0, 1, 130, Darken(wall, 0.08));
  c.Rect(0, 126, c.Width(), 5, Darken(floor, 0.4));
  for (int y = 131; y < c.Height(); ++y) {
    const int plank = (y - 131) / 9;
    c.Rect(0, y, c.Width(), 1,
           (y - 131) % 9 == 0 ? Darken(floor, 0.35) : Mix(floor, Darken(floor, 0.12), plank % 2));
  }
}

void Window(Canvas& c, double x, double y, bool morning) {
  c.Rect(x - 3, y - 3, 58, 50, Rgb(0x8A, 0x5C, 0x34), Rgb(0x4A, 0x30, 0x18));
  c.Rect(x, y, 52, 44,
         morning ? VGradient(Rgb(0xB8, 0xE4, 0xFF), Rgb(0xFF, 0xF0, 0xC8), y, y + 44)
                 : VGradient(Rgb(0x10, 0x14, 0x40), Rgb(0x30, 0x28, 0x60), y, y + 44));
  if (morning) c.Circle(x + 38, y + 14, 7, Rgb(0xFF, 0xF0, 0x90));
  c.Rect(x + 25, y, 3, 44, Rgb(0x8A, 0x5C, 0x34));
  c.Rect(x, y + 20, 52, 3, Rgb(0x8A, 0x5C, 0x34));
}

void Bed(Canvas& c, double x, double y, double w) {
  const Color wood = Rgb(0x9C, 0x64, 0x34);
  c.Rect(x, y - 34, 12, 80, wood, Rim(wood));
  c.Rect(x + w - 10, y - 6, 10, 52, wood, Rim(wood));
  c.Rect(x + 6, y + 4, w - 10, 26, Rgb(0xF4, 0xF0, 0xE8), Rgb(0xA0, 0x98, 0x90));
  c.Ellipse(x + 30, y + 2, 20, 9, 0xFFFFFF, Rgb(0xB0, 0xB0, 0xC0));
}

void Blanket(Canvas& c, double x, double y, double w, double h) {
  const Color cloth = Rgb(0x4C, 0x7C, 0xD8);
  c.Rect(x, y, w, h, VGradient(cloth, Darken(cloth, 0.25), y, y + h), Rim(cloth));
  c.Rect(x, y, w, 5, Rgb(0xF4, 0xF0, 0xE8), Rgb(0xA0, 0x98, 0x90));
  for (double px = x + 14; px < x + w - 4; px += 16) c.Rect(px, y + 12, 6, 6, Lighten(cloth, 0.3));
}

void Forest(Canvas& c, uint32_t seed) {
  c.Rect(0, 0, c.Width(), c.Height(),
         VGradient(Rgb(0x9C, 0xD8, 0xF0), Rgb(0xD8, 0xF0, 0xE0), 0, 110));
  for (int layer = 0; layer < 2; ++layer) {
    const Color leaves = layer == 0 ? Rgb(0x5C, 0x9C, 0x6C) : Rgb(0x2E, 0x7A, 0x3C);
    for (int i = 0; i < 9; ++i) {
      const double x = i * 28 + Noise(i, layer, seed) * 16,
                   y = 60 + layer * 20 + Noise(i, 5, seed) * 20;
      c.Rect(x - 3, y, 7, 80, Darken(Rgb(0x7A, 0x4C, 0x28), layer ? 0.0 : 0.3));
      c.Circle(x, y, 24 - layer * 4, Ball(leaves, x, y, 22), Rim(leaves));
    }
  }
  c.Rect(0, 140, c.Width(), c.Height() - 140,
         VGradient(Rgb(0x6C, 0xB4, 0x4C), Rgb(0x4A, 0x8C, 0x38), 140, 192));
  c.Polygon({{70, 192}, {100, 140}, {124, 140}, {154, 192}}, Rgb(0xC8, 0xA0, 0x68));
}

void TownStreet(Canvas& c) {
  c.Rect(0, 0, c.Width(), c.Height(),
         VGradient(Rgb(0x9C, 0xD8, 0xF0), Rgb(0xE0, 0xF0, 0xF8), 0, 100));
  const Color walls[3] = {Rgb(0xF0, 0xE4, 0xC8), Rgb(0xE8, 0xD0, 0xB8), Rgb(0xF4, 0xEC, 0xDC)};
  for (int i = 0; i < 3; ++i) {
    const double x = 8 + i * 74;
    c.Rect(x, 50, 62, 90, walls[i], Rim(walls[i]));
    c.Polygon({{x - 6, 52}, {x + 31, 18 + i * 6.0}, {x + 68, 52}}, Rgb(0xC0, 0x44, 0x34),
              Rgb(0x70, 0x20, 0x18));
    c.Rect(x + 8, 70, 16, 16, Rgb(0x7C, 0xB8, 0xE8), Rgb(0x6A, 0x42, 0x24));
    c.Rect(x + 38, 96, 16, 44, Rgb(0x8A, 0x54, 0x2C), Rgb(0x4A, 0x2C, 0x18));
  }
  c.Rect(0, 140, c.Width(), c.Height() - 140, Rgb(0xC4, 0xBC, 0xAC));
  for (int x = 0; x < c.Width(); x += 16)
    c.Rect(x, 140, 1, c.Height() - 140, Rgb(0xA8, 0xA0, 0x90));
  for (int y = 150; y < c.Height(); y += 12) c.Rect(0, y, c.Width(), 1, Rgb(0xA8, 0xA0, 0x90));
}

void Mountains(Canvas& c, Color sky, Color far, Color near) {
  c.Rect(0, 0, c.Width(), c.Height(), VGradient(Darken(sky, 0.2), sky, 0, 120));
  c.Polygon({{0, 130},
             {40, 60},
             {70, 90},
             {120, 30},
             {170, 86},
             {200, 56},
             {224, 80},
             {224, 192},
             {0, 192}},
            far, Rim(far));
  c.Polygon({{0, 150}, {50, 110}, {90, 130}, {140, 96}, {224, 140}, {224, 192}, {0, 192}}, near,
            Rim(near));
}

void SwirlGate(Canvas& c, double cx, double cy, double r) {
  for (int i = 12; i >= 0; --i) {
    const Color ring = i % 3 == 0   ? Rgb(0x48, 0xF0, 0xE0)
                       : i % 3 == 1 ? Rgb(0xA0, 0x50, 0xF8)
                                    : Rgb(0xF8, 0x70, 0xC8);
    c.Ellipse(cx, cy, r * (i + 1) / 13 * 0.65, r * (i + 1) / 13, ring);
  }
  c.Ellipse(cx, cy, r * 0.1, r * 0.16, 0xFFFFFF);
  Sparkles(c, cx, cy, r * 1.3, 12);
}

void Egg(Canvas& c, double cx, double cy, double r) {
  const Color shell = Rgb(0xF4, 0xEC, 0xD0);
  c.Ellipse(cx, cy, r * 0.78, r, Ball(shell, cx, cy, r), Rgb(0x8A, 0x80, 0x60));
  for (int i = 0; i < 7; ++i) {
    const double a = Noise(i, 1, 33) * 6.28, d = Noise(i, 2, 33) * r * 0.6;
    c.Ellipse(cx + std::cos(a) * d * 0.78, cy + std::sin(a) * d, r * 0.12, r * 0.09,
              Rgb(0x5C, 0x9C, 0x5C));
  }
}

void Hammer(Canvas& c, Pt grip, double angleDegrees) {
  const double a = angleDegrees * std::numbers::pi / 180;
  const Pt head{grip.x + 30 * std::cos(a), grip.y - 30 * std::sin(a)};
  c.Capsule(grip, head, 2.2, Rgb(0x9C, 0x6C, 0x3C), Rgb(0x4A, 0x30, 0x18));
  const double px = -std::sin(a), py = -std::cos(a);
  c.Polygon({{head.x + px * 10 - std::cos(a) * 5, head.y + py * 10 + std::sin(a) * 5},
             {head.x + px * 10 + std::cos(a) * 5, head.y + py * 10 - std::sin(a) * 5},
             {head.x - px * 10 + std::cos(a) * 5, head.y - py * 10 - std::sin(a) * 5},
             {head.x - px * 10 - std::cos(a) * 5, head.y - py * 10 + std::sin(a) * 5}},
            Rgb(0x80, 0x84, 0x90), Rgb(0x30, 0x30, 0x38));
}

void DragonSilhouette(Canvas& c, double x, double y, double s, Color col) {
  auto P = [&](double px, double py) { return Pt{x + px * s, y + py * s}; };
  c.Polygon({P(0, 0), P(10, -6), P(22, -2), P(30, 6), P(44, 4), P(60, 10), P(52, 14), P(40, 14),
             P(30, 20), P(28, 30), P(24, 22), P(16, 24), P(14, 32), P(10, 20), P(6, 8)},
            col);
  c.Polygon({P(18, 4), P(24, -22), P(34, -16), P(40, -26), P(36, 2)}, col);
}

void Exclaim(Canvas& c, double x, double y, int count) {
  for (int i = 0; i < count; ++i) {
    const double px = x + i * 9;
    c.Polygon({{px - 2.5, y}, {px + 2.5, y}, {px + 1, y + 14}, {px - 1, y + 14}},
              Rgb(0xFF, 0xE0, 0x30), kInk);
    c.Circle(px, y + 18, 2.3, Rgb(0xFF, 0xE0, 0x30), kInk);
  }
}

void AngerMark(Canvas& c, double x, double y) {
  const Color red = Rgb(0xE8, 0x20, 0x30);
  for (int i = 0; i < 4; ++i) {
    const double a = i * std::numbers::pi / 2 + std::numbers::pi / 4;
    c.Capsule({x + std::cos(a) * 2, y + std::sin(a) * 2},
              {x + std::cos(a) * 7, y + std::sin(a) * 7}, 1.4, red);
  }
}

void SweatDrop(Canvas& c, double x, double y) {
  c.Circle(x, y + 4, 3.5, Rgb(0x90, 0xD0, 0xFF), Rgb(0x30, 0x70, 0xC0));
  c.Polygon({{x - 2.6, y + 2.5}, {x, y - 5}, {x + 2.6, y + 2.5}}, Rgb(0x90, 0xD0, 0xFF));
}

void Grumble(Canvas& c, double x, double y) {
  for (int i = 0; i < 40; ++i) {
    const double a = i * 0.7, r = 5 + 4 * std::sin(i * 1.3);
    const double b = (i + 1) * 0.7, rb = 5 + 4 * std::sin((i + 1) * 1.3);
    c.Line({x + std::cos(a) * r * 1.6, y + std::sin(a) * r},
           {x + std::cos(b) * rb * 1.6, y + std::sin(b) * rb}, Rgb(0x30, 0x28, 0x38));
  }
}

void Impact(Canvas& c, double x, double y, double r) {
  for (int i = 0; i < 10; ++i) {
    const double a = i * std::numbers::pi / 5 + 0.15;
    c.Capsule({x + std::cos(a) * r * 0.4, y + std::sin(a) * r * 0.4},
              {x + std::cos(a) * r, y + std::sin(a) * r}, 1.5, Rgb(0xFF, 0xE8, 0x50),
              Rgb(0xB0, 0x70, 0x10));
  }
}

void Sparkles(Canvas& c, double x, double y, double r, uint32_t seed) {
  for (int i = 0; i < 9; ++i) {
    const double a = Noise(i, 1, seed) * 6.28, d = r * (0.5 + 0.5 * Noise(i, 2, seed));
    const double sx = x + std::cos(a) * d, sy = y + std::sin(a) * d;
    c.Rect(sx - 2, sy, 5, 1, 0xFFFFFF);
    c.Rect(sx, sy - 2, 1, 5, 0xFFFFFF);
  }
}

void PictureFrame(Canvas& c) {
  const int w = c.Width(), h = c.Height();
  c.Rect(0, 0, w, 2, Rgb(0xE8, 0xD8, 0xA8));
  c.Rect(0, h - 2, w, 2, Rgb(0xE8, 0xD8, 0xA8));
  c.Rect(0, 0, 2, h, Rgb(0xE8, 0xD8, 0xA8));
  c.Rect(w - 2, 0, 2, h, Rgb(0xE8, 0xD8, 0xA8));
  c.Rect(2, 2, w - 4, 1, Rgb(0x6A, 0x50, 0x30));
  c.Rect(2, h - 3, w - 4, 1, Rgb(0x6A, 0x50, 0x30));
  c.Rect(2, 2, 1, h - 4, Rgb(0x6A, 0x50, 0x30));
  c.Rect(w - 3, 2, 1, h - 4, Rgb(0x6A, 0x50, 0x30));
}

}  // namespace sheets
