// The bosses that move about: the two great flyers, the knight and the master of the gate.
// All face left; the sheets mirror them for the right-facing frames.

#include <cmath>
#include <numbers>

#include "bosses.h"
#include "creature_parts.h"

namespace sheets {

namespace {

// Wing tips of a five-frame beat, relative to the shoulder: raised, coming down, level, low,
// rising again.
constexpr Pt kBeat[5] = {{30, -110}, {76, -84}, {96, 0}, {60, 100}, {74, -50}};

// A feathered wing: a broad vane from the shoulder to the tip with long flight feathers along
// its trailing edge, which lies behind the bird (to the right, as it flies left).
void FeatherWing(Canvas& c, Pt shoulder, Pt tip, Color feather, Color dark) {
  const Pt behind{0.97, 0.25};
  auto at = [](Pt p, Pt d, double k) { return Pt{p.x + d.x * k, p.y + d.y * k}; };
  const Pt mid{(shoulder.x + tip.x) / 2, (shoulder.y + tip.y) / 2};
  for (int i = 0; i < 7; ++i) {
    const double t = 0.3 + i * 0.12;
    const Pt base{shoulder.x + (tip.x - shoulder.x) * t, shoulder.y + (tip.y - shoulder.y) * t};
    c.Capsule(base, at(base, behind, 30 + i * 2.0), 6, i % 2 ? dark : Darken(feather, 0.12),
              Rim(feather));
  }
  c.Polygon({at(shoulder, {0, -1}, 10), tip, at(tip, behind, 14), at(mid, behind, 30),
             at(shoulder, behind, 34)},
            Ball(feather, mid.x, mid.y, 60), Rim(feather));
  c.Line(at(mid, behind, 12), at(tip, behind, 6), Darken(feather, 0.3));
}

}  // namespace

Canvas Roc(int frame) {
  Canvas c(320, 384);
  const Color plumage = Rgb(0xA8, 0x6C, 0x30), dark = Rgb(0x70, 0x44, 0x1C);
  const Color white = Rgb(0xF4, 0xF0, 0xE8), gold = Rgb(0xF8, 0xC0, 0x30);
  const Pt shoulder{140, 140};
  const Pt tip{shoulder.x + kBeat[frame].x, shoulder.y + kBeat[frame].y};
  FeatherWing(c, {shoulder.x + 14, shoulder.y - 4}, {tip.x + 24, tip.y - 8}, Darken(plumage, 0.3),
              Darken(dark, 0.3));
  // Tail fan and body.
  for (int i = 0; i < 5; ++i) {
    c.Capsule({220, 160}, {292 + i * 2.0, 136 + i * 14.0}, 7, i % 2 ? dark : plumage, Rim(plumage));
  }
  c.Ellipse(170, 160, 70, 40, Ball(plumage, 170, 160, 60), Rim(plumage));
  c.Ellipse(150, 176, 44, 20, Lighten(plumage, 0.3));
  // Talons hanging below.
  for (int i = 0; i < 2; ++i) {
    const double x = 150 + i * 34;
    c.Capsule({x, 190}, {x - 6, 232}, 5, gold, Rim(gold));
    Spikes(c, {x - 18, 236}, {x + 4, 236}, 3, 9, {0, 1}, Rgb(0x30, 0x28, 0x20));
  }
  // White head with a hooked beak; the shot leaves from under the beak.
  c.Capsule({120, 150}, {74, 126}, 20, white, Rim(white));
  c.Circle(66, 120, 21, Ball(white, 66, 120, 21), Rim(white));
  c.Polygon({{50, 112}, {26, 118}, {30, 134}, {40, 128}, {52, 130}}, gold, Rim(gold));
  GlowEye(c, 62, 114, 3.5, Rgb(0xFF, 0x40, 0x20));
  c.Line({54, 108}, {72, 106}, Rgb(0x50, 0x40, 0x30));
  FeatherWing(c, shoulder, tip, plumage, dark);
  return c;
}

Canvas Wyvern(int frame) {
  Canvas c(320, 384);
  const Color scale = Rgb(0x2C, 0x8C, 0x7C), belly = Rgb(0xE0, 0xD8, 0x90);
  const Color wing = Rgb(0x7C, 0x30, 0x70), horn = Rgb(0xF0, 0xE8, 0xD0);
  const Pt shoulder{150, 150};
  const Pt tip{shoulder.x + kBeat[frame].x, shoulder.y + kBeat[frame].y};
  auto wingTips = [&](Pt s, Pt t) {
    const Pt back{t.x + 44, t.y + 40};
    return std::vector<Pt>{
        t, {(t.x + back.x) / 2 + 12, (t.y + back.y) / 2 - 6}, back, {s.x + 80, s.y + 40}};
  };
  MembraneWing(c, {shoulder.x + 16, shoulder.y - 4}, wingTips(shoulder, {tip.x + 20, tip.y - 10}),
               Darken(wing, 0.3), Darken(scale, 0.5));
  // A long tail with a barb.
  c.Capsule({220, 176}, {280, 220}, 12, Ball(scale, 250, 200, 40), Rim(scale));
  c.Capsule({280, 220}, {310, 262}, 7, scale, Rim(scale));
  c.Polygon({{300, 258}, {318, 256}, {312, 282}}, horn, Rim(horn));
  // Body, legs with talons.
  c.Ellipse(182, 172, 56, 34, Ball(scale, 182, 172, 50), Rim(scale));
  c.Ellipse(170, 186, 40, 14, belly, Rim(belly));
  for (int i = 0; i < 2; ++i) {
    const double x = 166 + i * 30;
    c.Capsule({x, 196}, {x - 8, 228}, 6, Darken(scale, 0.2), Rim(scale));
    Spikes(c, {x - 20, 232}, {x + 2, 232}, 3, 8, {0, 1}, horn);
  }
  // Neck and a horned head, the jaw a little open.
  c.Capsule({140, 160}, {80, 126}, 13, Ball(scale, 110, 140, 40), Rim(scale));
  c.Polygon({{96, 112}, {34, 116}, {28, 128}, {60, 132}, {96, 140}}, Ball(scale, 70, 120, 30),
            Rim(scale));
  c.Polygon({{32, 130}, {84, 136}, {64, 146}, {36, 138}}, Darken(scale, 0.2), Rim(scale));
  Spikes(c, {34, 130}, {58, 131}, 3, 4, {0, 1}, 0xFFFFFF);
  c.Polygon({{82, 112}, {122, 92}, {96, 122}}, horn, Rim(horn));
  GlowEye(c, 70, 118, 3.5, Rgb(0xFF, 0xE0, 0x30));
  Spikes(c, {96, 118}, {150, 148}, 4, 8, {0.4, -1}, horn);
  MembraneWing(c, shoulder, wingTips(shoulder, tip), wing, Darken(scale, 0.4));
  return c;
}

// A running stride of five frames: forward offset and lift of each foot.
namespace {
struct Run {
  double front, back, frontLift, backLift, bob, arm;
};
constexpr Run kRun[5] = {{-10, 10, 0, 6, 0, 1},
                         {-4, 6, 0, 2, 2, 0.5},
                         {10, -10, 6, 0, 0, -1},
                         {6, -4, 2, 0, 2, -0.5},
                         {0, 0, 4, 4, 3, 0}};
}  // namespace

Canvas Knight(int frame) {
  Canvas c(96, 96);
  const Color steel = Rgb(0xB8, 0xC0, 0xD0), dark = Rgb(0x50, 0x58, 0x70);
  const Color cape = Rgb(0x2C, 0x40, 0x90), plume = Rgb(0xE0, 0x30, 0x30);
  const Run r = kRun[frame];
  const double cx = 48, hip = 62 - r.bob;
  // Cape streaming behind (right).
  c.Polygon({{cx + 2, 30 - r.bob},
             {cx + 36, 46 + frame % 2 * 4.0},
             {cx + 40, 62 + frame % 3 * 3.0},
             {cx + 8, 66 - r.bob}},
            cape, Rim(cape));
  // Legs (forward is -x).
  c.Capsule({cx + 3, hip}, {cx + 3 - r.back, 92 - r.backLift}, 5, dark, Rim(dark));
  c.Capsule({cx - 3, hip}, {cx - 3 - r.front, 92 - r.frontLift}, 5, steel, Rim(steel));
  c.Ellipse(cx - 5 - r.front, 92 - r.frontLift, 7, 3.5, dark);
  c.Ellipse(cx + 1 - r.back, 92 - r.backLift, 7, 3.5, Darken(dark, 0.3));
  // Shield on the back arm, breastplate, helmet with a plume.
  c.Ellipse(cx + 14, 46 - r.bob, 10, 14, Rgb(0x8C, 0x20, 0x20), Rgb(0x40, 0x10, 0x10));
  c.Rect(cx + 12, 38 - r.bob, 4, 16, Rgb(0xF0, 0xD0, 0x50));
  c.Polygon({{cx - 12, 30 - r.bob}, {cx + 10, 30 - r.bob}, {cx + 9, hip}, {cx - 11, hip}},
            Ball(steel, cx, 44 - r.bob, 20), Rim(steel));
  c.Rect(cx - 11, hip - 10, 20, 4, Rgb(0x70, 0x50, 0x30));
  const Pt helm{cx - 2, 20 - r.bob};
  c.Capsule({helm.x + 6, helm.y - 10}, {helm.x + 22, helm.y - 2 + frame % 2 * 3}, 4, plume,
            Rim(plume));
  c.Circle(helm.x, helm.y, 11, Ball(steel, helm.x, helm.y, 11), Rim(steel));
  c.Rect(helm.x - 11, helm.y - 1, 12, 3, Rgb(0x18, 0x18, 0x24));
  c.Rect(helm.x - 8, helm.y, 2, 1, Rgb(0xFF, 0x50, 0x30));
  // Sword held forward and up, swinging a little with the run.
  const Pt hand{cx - 14 + r.arm * 2, 46 - r.bob};
  const double a = (35 + r.arm * 10) * std::numbers::pi / 180;
  const Pt tip{hand.x - 34 * std::cos(a), hand.y - 34 * std::sin(a)};
  c.Capsule({cx - 6, 34 - r.bob}, hand, 4, steel, Rim(steel));
  c.Capsule(hand, tip, 2.2, Rgb(0xE8, 0xF0, 0xFF), Rgb(0x70, 0x78, 0x90));
  c.Capsule({hand.x - 5, hand.y + 4}, {hand.x + 5, hand.y - 4}, 1.8, Rgb(0xF0, 0xC0, 0x40));
  c.Circle(hand.x, hand.y, 3, dark);
  return c;
}

Canvas Master(int frame) {
  Canvas c(128, 96);
  const Color cloak = Rgb(0x24, 0x1C, 0x3C), lining = Rgb(0x9C, 0x24, 0x44);
  const Color gold = Rgb(0xF0, 0xC8, 0x48);
  const Run r = kRun[frame];
  const double cx = 60, hip = 64 - r.bob;
  // The cape billows out behind him to the right edge of the cell.
  const double wave = std::sin(frame * 2 * std::numbers::pi / 5) * 5;
  c.Polygon({{cx + 4, 24 - r.bob},
             {cx + 40, 34 + wave},
             {cx + 66, 44 - wave},
             {cx + 62, 62 + wave},
             {cx + 50, 70},
             {cx + 30, 78 - wave},
             {cx + 6, 74}},
            lining, Rim(lining));
  c.Polygon({{cx + 4, 26 - r.bob}, {cx + 36, 40 + wave}, {cx + 52, 56 - wave}, {cx + 8, 70}},
            Darken(lining, 0.35));
  // Legs in dark boots.
  c.Capsule({cx + 3, hip}, {cx + 3 - r.back, 92 - r.backLift}, 4.5, Rgb(0x18, 0x14, 0x20));
  c.Capsule({cx - 3, hip}, {cx - 3 - r.front, 92 - r.frontLift}, 4.5, Rgb(0x30, 0x28, 0x3C));
  // Robe body.
  c.Polygon({{cx - 10, 28 - r.bob}, {cx + 10, 28 - r.bob}, {cx + 14, hip + 6}, {cx - 14, hip + 6}},
            Ball(cloak, cx, 44, 26), Rgb(0x08, 0x04, 0x10));
  c.Rect(cx - 2, 30 - r.bob, 3, hip - 24, gold);
  // Hood with horns; only the eyes show.
  const Pt head{cx - 3, 18 - r.bob};
  c.Polygon({{head.x - 4, head.y - 8}, {head.x - 14, head.y - 22}, {head.x + 2, head.y - 10}},
            Rgb(0xD8, 0xD0, 0xC0), Rgb(0x60, 0x58, 0x50));
  c.Polygon({{head.x + 6, head.y - 8}, {head.x + 8, head.y - 23}, {head.x + 12, head.y - 6}},
            Rgb(0xD8, 0xD0, 0xC0), Rgb(0x60, 0x58, 0x50));
  c.Circle(head.x, head.y, 12, Ball(cloak, head.x, head.y, 12), Rgb(0x08, 0x04, 0x10));
  c.Ellipse(head.x - 4, head.y + 2, 7, 7, Rgb(0x06, 0x04, 0x0C));
  GlowEye(c, head.x - 7, head.y + 1, 1.8, Rgb(0xFF, 0x30, 0x30));
  GlowEye(c, head.x - 1, head.y + 1, 1.8, Rgb(0xFF, 0x30, 0x30));
  // A staff with a crescent, held forward.
  const Pt hand{cx - 16 + r.arm * 3, 44 - r.bob};
  c.Capsule({cx - 4, 32 - r.bob}, hand, 4, cloak, Rgb(0x08, 0x04, 0x10));
  c.Capsule({hand.x + 4, hand.y + 30}, {hand.x - 6, hand.y - 28}, 1.8, Rgb(0x50, 0x38, 0x28));
  const Pt moon{hand.x - 7, hand.y - 32};
  c.Fill(
      0, 0, 128, 96,
      [&](double x, double y) {
        return std::hypot(x - moon.x, y - moon.y) <= 8 &&
               std::hypot(x - moon.x - 4, y - moon.y + 2) > 6.5;
      },
      gold, Rim(gold));
  c.Circle(hand.x, hand.y, 3, Rgb(0xC8, 0xB8, 0xC8));
  return c;
}

}  // namespace sheets
