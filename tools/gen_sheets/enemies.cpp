// Enemy: the four enemy kinds. Kind k fills the band of rows 128k..128k+127, images on top and
// masks 64 rows lower; frames 0..4 face left in cells 0..4 and right in cells 5..9.
// Kind 0 a bat, kind 1 a ghost (the two flyers), kind 2 a goblin walker, kind 3 a boar runner.

#include <cmath>
#include <numbers>

#include "canvas.h"
#include "sheets.h"

namespace sheets {

namespace {

constexpr Color kInk = Rgb(0x1C, 0x14, 0x20);

Color Rim(Color c) { return Darken(c, 0.5); }

void EyeDot(Canvas& c, double x, double y, double r, Color iris) {
  c.Circle(x, y, r, iris);
  c.Rect(std::floor(x - r * 0.5), std::floor(y - r * 0.6), 1, 1, 0xFFFFFF);
}

// Frames of a flap: the wing tip's height above the shoulder.
constexpr double kFlap[5] = {-14, -6, 4, 12, 2};

Canvas Bat(int frame) {
  Canvas c(64, 64);
  const Color fur = Rgb(0x6A, 0x3C, 0x8C), membrane = Rgb(0x9A, 0x5A, 0xB8);
  const double bob = frame == 3 ? -2 : frame == 0 ? 2 : 0;
  const double cy = 32 + bob, lift = kFlap[frame];
  for (double side : {-1.0, 1.0}) {
    const double sx = 32 + side * 5;
    const double tipX = 32 + side * 29, tipY = cy - 4 + lift;
    const double midX = 32 + side * 19, midY = cy - 8 + lift * 0.7;
    c.Polygon({{sx, cy - 4},
               {midX, midY},
               {tipX, tipY},
               {32 + side * 25, cy + 4 + lift * 0.3},
               {32 + side * 19, cy + 1 + lift * 0.4},
               {32 + side * 13, cy + 6 + lift * 0.2},
               {sx, cy + 4}},
              membrane, Rim(membrane));
    c.Line({sx, cy - 3}, {midX, midY}, Darken(fur, 0.3));
    c.Line({midX, midY}, {tipX, tipY}, Darken(fur, 0.3));
    c.Line({midX, midY}, {32 + side * 19, cy + 1 + lift * 0.4}, Darken(fur, 0.3));
  }
  c.Ellipse(32, cy + 1, 8, 10, Ball(fur, 32, cy + 1, 10), Rim(fur));
  // Ears, eyes, fangs: the face looks left.
  c.Polygon({{25, cy - 6}, {26, cy - 16}, {30, cy - 8}}, fur, Rim(fur));
  c.Polygon({{33, cy - 8}, {37, cy - 16}, {38, cy - 6}}, fur, Rim(fur));
  EyeDot(c, 28, cy - 3, 1.8, Rgb(0xFF, 0x30, 0x30));
  EyeDot(c, 34, cy - 3, 1.8, Rgb(0xFF, 0x30, 0x30));
  c.Polygon({{27, cy + 2}, {29, cy + 2}, {28, cy + 5}}, 0xFFFFFF);
  c.Polygon({{32, cy + 2}, {34, cy + 2}, {33, cy + 5}}, 0xFFFFFF);
  c.Outline(kInk);
  return c;
}

Canvas Ghost(int frame) {
  Canvas c(64, 64);
  const Color sheet = Rgb(0xE4, 0xF0, 0xFF);
  const double phase = frame * 2 * std::numbers::pi / 5;
  const double bob = std::sin(phase) * 2.5;
  const double cx = 32, top = 14 + bob;
  // The body: a dome that trails into a wavy tail towards the back (right, as it faces left).
  c.Fill(
      0, 0, 64, 64,
      [&](double x, double y) {
        const double t = (y - top) / 34;  // 0 at the crown, 1 at the tail's end
        if (t < 0 || t > 1) return false;
        const double dome =
            t < 0.4 ? std::sqrt(std::max(0.0, 1 - std::pow((0.4 - t) / 0.4, 2))) : 1;
        const double half = 13 * dome * (1 - 0.35 * std::max(0.0, t - 0.4));
        const double centre = cx + std::max(0.0, t - 0.35) * 14 +
                              std::sin(phase + t * 7) * 3 * std::max(0.0, t - 0.3);
        const double hem = top + 34 - (1 + std::sin(x / 3.0 + phase)) * 2.5;
        return std::abs(x - centre) <= half && y <= hem;
      },
      VGradient(sheet, Rgb(0x9C, 0xB8, 0xE8), top, top + 34), Rgb(0x60, 0x78, 0xB8));
  // Arms reaching forward (left).
  const double reach = std::sin(phase) * 3;
  c.Capsule({cx - 8, top + 18}, {cx - 17, top + 15 + reach}, 2.5, sheet, Rgb(0x60, 0x78, 0xB8));
  c.Ellipse(cx - 5, top + 11, 2.2, 3.4, Rgb(0x20, 0x20, 0x48));
  c.Ellipse(cx + 3, top + 11, 2.2, 3.4, Rgb(0x20, 0x20, 0x48));
  c.Ellipse(cx - 1, top + 19, 2.6, 2 + (frame % 2), Rgb(0x30, 0x20, 0x48));
  c.Outline(Rgb(0x28, 0x30, 0x60));
  return c;
}

// Leg positions of a walk cycle: forward offset of each foot and its lift.
struct Stride {
  double front, back, frontLift, backLift, bob;
};
constexpr Stride kWalk[5] = {
    {4, -4, 0, 0, 0}, {-5, 6, 0, 3, 1}, {0, 0, 2, 0, 0}, {6, -5, 3, 0, 1}, {0, 0, 0, 2, 0}};

Canvas Goblin(int frame) {
  Canvas c(64, 64);
  const Color skin = Rgb(0x6C, 0xB0, 0x3C), cloth = Rgb(0x8A, 0x5C, 0x34);
  const Stride s = kWalk[frame];
  const double ground = 62, hipY = 47 - s.bob, cx = 34;
  // Legs (the face looks left, so forward is -x).
  c.Capsule({cx + 2, hipY}, {cx + 2 - s.back, ground - 2 - s.backLift}, 3, Darken(skin, 0.2),
            Rim(skin));
  c.Capsule({cx - 2, hipY}, {cx - 2 - s.front, ground - 2 - s.frontLift}, 3, skin, Rim(skin));
  // Body and loincloth.
  c.Ellipse(cx, hipY - 9, 10, 11, Ball(skin, cx, hipY - 9, 11), Rim(skin));
  c.Polygon({{cx - 10, hipY - 4}, {cx + 10, hipY - 4}, {cx + 8, hipY + 5}, {cx - 8, hipY + 5}},
            cloth, Rim(cloth));
  // Head with long ears.
  const double hy = hipY - 25;
  c.Polygon({{cx - 4, hy - 2}, {cx + 17, hy - 9}, {cx + 5, hy + 3}}, skin, Rim(skin));
  c.Circle(cx - 2, hy, 9.5, Ball(skin, cx - 2, hy, 9.5), Rim(skin));
  c.Polygon({{cx - 10, hy - 1}, {cx - 14, hy + 3}, {cx - 9, hy + 4}}, skin, Rim(skin));
  EyeDot(c, cx - 6, hy - 1, 2, Rgb(0xFF, 0xE0, 0x20));
  c.Capsule({cx - 10, hy + 5}, {cx - 3, hy + 5}, 0.6, Rgb(0x30, 0x20, 0x20));
  c.Polygon({{cx - 8, hy + 5}, {cx - 7, hy + 7.5}, {cx - 6, hy + 5}}, 0xFFFFFF);
  // A club held forward, swinging with the stride.
  const double swing = (s.front - s.back) * 0.6;
  const Pt hand{cx - 9 + swing * 0.3, hipY - 8};
  c.Capsule(hand, {hand.x - 6 - swing * 0.2, hand.y - 14}, 2.8, Rgb(0x9C, 0x6C, 0x3C),
            Rgb(0x4A, 0x30, 0x18));
  c.Circle(hand.x, hand.y, 3, skin, Rim(skin));
  c.Outline(kInk);
  return c;
}

Canvas Boar(int frame) {
  Canvas c(96, 64);
  const Color hide = Rgb(0x8C, 0x5A, 0x3A);
  // A gallop: the four legs in pairs, front pair and back pair out of step.
  constexpr double kGallop[5][4] = {
      {-4, 4, -3, 3}, {-9, 0, 4, 8}, {-2, -7, 9, 2}, {6, -3, 0, -6}, {3, 5, -7, -2}};
  const double* g = kGallop[frame];
  const double bob = (frame % 2) ? -2 : 0;
  const double ground = 62, body = 38 + bob;
  const double hips[4] = {30, 36, 64, 70};
  for (int i : {1, 3, 0, 2}) {
    const bool far = i % 2 == 1;
    const Color leg = far ? Darken(hide, 0.3) : Darken(hide, 0.1);
    const double lift = std::max(0.0, -g[i]) * 0.5;
    c.Capsule({hips[i], body + 6}, {hips[i] + g[i], ground - 3 - lift}, 3.2, leg, Rim(leg));
    c.Rect(hips[i] + g[i] - 3, ground - 4 - lift, 6, 3, Rgb(0x30, 0x24, 0x20));
  }
  c.Ellipse(52, body, 30, 15, Ball(hide, 52, body, 24), Rim(hide));
  // Bristles along the back.
  for (int i = 0; i < 9; ++i) {
    const double x = 34 + i * 5;
    c.Polygon({{x - 3, body - 12 + std::abs(i - 4) * 0.6},
               {x + 2, body - 19 + std::abs(i - 4)},
               {x + 3, body - 12 + std::abs(i - 4) * 0.6}},
              Darken(hide, 0.4));
  }
  // Head and snout to the left, with tusks.
  c.Ellipse(24, body + 1, 14, 11, Ball(hide, 24, body + 1, 12), Rim(hide));
  c.Ellipse(11, body + 4, 6, 5, Rgb(0xD0, 0x90, 0x80), Rim(hide));
  c.Circle(9, body + 4, 1, Rgb(0x40, 0x20, 0x20));
  c.Circle(12.5, body + 4, 1, Rgb(0x40, 0x20, 0x20));
  c.Polygon({{15, body + 7}, {8, body + 2}, {16, body + 10}}, 0xFFFFF0, Rgb(0x90, 0x88, 0x70));
  c.Polygon({{27, body - 8}, {31, body - 16}, {33, body - 6}}, hide, Rim(hide));
  EyeDot(c, 22, body - 3, 2, Rgb(0xFF, 0x40, 0x20));
  c.Capsule({83, body - 4}, {89, body - 9 + frame % 3}, 1.2, Darken(hide, 0.3));
  c.Outline(kInk);
  return c;
}

void PutKind(Surface& sheet, int kind, int cellWidth, Canvas (*draw)(int)) {
  for (int frame = 0; frame < 5; ++frame) {
    const Canvas left = draw(frame);
    const int y = 128 * kind;
    left.PutSprite(sheet, frame * cellWidth, y, frame * cellWidth, y + 64);
    left.Mirrored().PutSprite(sheet, (frame + 5) * cellWidth, y, (frame + 5) * cellWidth, y + 64);
  }
}

}  // namespace

Surface BuildEnemy() {
  Surface sheet = BlankSheet(965, 515);
  PutKind(sheet, 0, 64, Bat);
  PutKind(sheet, 1, 64, Ghost);
  PutKind(sheet, 2, 64, Goblin);
  PutKind(sheet, 3, 96, Boar);
  return sheet;
}

}  // namespace sheets
