// The bosses that stand on the ground and shoot: the stone golem, the lich, the demon and the
// great dragon. All face left; the sheets mirror them where a boss turns.

#include <cmath>
#include <numbers>

#include "bosses.h"
#include "creature_parts.h"

namespace sheets {

namespace {

constexpr Color kStone = Rgb(0x9A, 0x90, 0x80);
constexpr Color kMoss = Rgb(0x5C, 0x8C, 0x3C);
constexpr Color kCyan = Rgb(0x30, 0xE0, 0xFF);

void Rock(Canvas& c, const std::vector<Pt>& pts, Pt centre, double r, Color stone) {
  c.Polygon(pts, Ball(stone, centre.x, centre.y, r), Rim(stone));
}

}  // namespace

Canvas Golem(int frame) {
  Canvas c(192, 192);
  const Color back = Darken(kStone, 0.25);
  // Back leg and arm, then the body, then the front leg and the arm that fires.
  Rock(c, {{66, 140}, {94, 140}, {98, 178}, {104, 191}, {62, 191}, {64, 176}}, {80, 160}, 30, back);
  Rock(c, {{98, 62}, {124, 70}, {122, 132}, {100, 130}}, {110, 96}, 30, back);
  c.Circle(112, 142, 15, Ball(back, 112, 142, 15), Rim(back));
  Rock(c, {{16, 62}, {104, 52}, {116, 100}, {104, 148}, {24, 150}, {10, 102}}, {60, 100}, 60,
       kStone);
  // Cracks, moss and the core crystal, brighter as the shot nears.
  c.Line({40, 70}, {52, 92}, Darken(kStone, 0.5));
  c.Line({52, 92}, {46, 110}, Darken(kStone, 0.5));
  c.Line({88, 120}, {98, 138}, Darken(kStone, 0.5));
  c.Ellipse(86, 64, 12, 5, kMoss, Rim(kMoss));
  c.Ellipse(30, 140, 9, 4, kMoss, Rim(kMoss));
  Glow(c, 64, 104, 10 + frame * 3, Lighten(kCyan, 0.6), Mix(kCyan, kStone, 0.5));
  c.Polygon({{64, 92}, {72, 104}, {64, 116}, {56, 104}}, Lighten(kCyan, 0.3),
            Rgb(0x10, 0x60, 0x80));
  Rock(c, {{26, 140}, {58, 140}, {60, 178}, {66, 191}, {20, 191}, {24, 176}}, {40, 160}, 30,
       kStone);
  // Head with a heavy brow and glowing eyes.
  Rock(c, {{36, 22}, {78, 18}, {86, 52}, {40, 58}, {30, 40}}, {58, 36}, 26, kStone);
  c.Rect(30, 32, 50, 5, Darken(kStone, 0.35));
  GlowEye(c, 42, 41, 3, kCyan);
  GlowEye(c, 58, 41, 3, kCyan);
  // The front arm: hanging, rising, raised high, thrust forward to fire.
  const Pt shoulder{24, 74};
  const Pt fists[4] = {{16, 144}, {12, 104}, {30, 26}, {20, 80}};
  const Pt fist = fists[frame];
  c.Capsule(shoulder, fist, 11, Ball(kStone, shoulder.x, shoulder.y, 40), Rim(kStone));
  c.Circle(shoulder.x, shoulder.y, 18, Ball(kStone, shoulder.x, shoulder.y, 18), Rim(kStone));
  if (frame >= 2) Glow(c, fist.x, fist.y, frame == 3 ? 20 : 14, 0xFFFFFF, kCyan);
  c.Circle(fist.x, fist.y, 14, Ball(kStone, fist.x, fist.y, 14), Rim(kStone));
  c.Line({fist.x - 8, fist.y - 3}, {fist.x + 2, fist.y - 3}, Darken(kStone, 0.5));
  c.Line({fist.x - 8, fist.y + 3}, {fist.x + 2, fist.y + 3}, Darken(kStone, 0.5));
  return c;
}

Canvas Lich(int frame) {
  Canvas c(96, 96);
  const Color robe = Rgb(0x4A, 0x2C, 0x70), bone = Rgb(0xEC, 0xE6, 0xD0);
  const Color green = Rgb(0x60, 0xFF, 0x80);
  const double bob = frame == 1 || frame == 2 ? -2 : 0;
  // Robe with a tattered hem.
  std::vector<Pt> body{{40, 26 + bob}, {62, 26 + bob}, {70, 60}};
  for (int i = 0; i <= 8; ++i) {
    const double x = 78 - i * 6.25;
    body.push_back({x, i % 2 ? 88.0 : 95.0});
  }
  body.push_back({28, 60});
  c.Polygon(body, VGradient(Rgb(0x6A, 0x40, 0x98), Rgb(0x2A, 0x18, 0x40), 26, 95), Rim(robe));
  c.Polygon({{44, 40 + bob}, {58, 40 + bob}, {56, 86}, {46, 86}}, Rgb(0x30, 0x1C, 0x48));
  // Hood and skull, looking left.
  c.Circle(50, 22 + bob, 15, Ball(robe, 50, 22 + bob, 15), Rim(robe));
  c.Ellipse(44, 25 + bob, 8.5, 10, bone, Rim(bone));
  c.Circle(40.5, 23 + bob, 2.6, Rgb(0x10, 0x10, 0x18));
  c.Circle(47.5, 23 + bob, 2.6, Rgb(0x10, 0x10, 0x18));
  c.Circle(40.5, 23 + bob, 1.2, green);
  c.Circle(47.5, 23 + bob, 1.2, green);
  for (int i = 0; i < 4; ++i) c.Rect(39 + i * 2.5, 31 + bob, 1.5, 3, Rgb(0x60, 0x58, 0x48));
  // The staff: upright, raised, glowing, thrust out to cast, pulled back after the cast.
  const Pt hands[5] = {{30, 56}, {30, 44}, {30, 44}, {22, 46}, {36, 54}};
  const double tilts[5] = {0, 0, 0, -55, 20};
  const double glows[5] = {5, 7, 10, 14, 4};
  const Pt hand{hands[frame].x, hands[frame].y + bob};
  const double a = (90 + tilts[frame]) * std::numbers::pi / 180;
  const Pt top{hand.x + 30 * std::cos(a), hand.y - 30 * std::sin(a)};
  const Pt foot{hand.x - 30 * std::cos(a), hand.y + 30 * std::sin(a)};
  c.Capsule({44, 34 + bob}, hand, 3.5, robe, Rim(robe));
  c.Capsule(foot, top, 1.8, Rgb(0x7A, 0x5A, 0x3A), Rgb(0x3A, 0x28, 0x18));
  Glow(c, top.x, top.y, glows[frame], 0xFFFFFF, green);
  c.Circle(top.x, top.y, 4, Rgb(0x30, 0xC0, 0x50), Rgb(0x10, 0x60, 0x20));
  c.Circle(hand.x, hand.y, 3, bone, Rim(bone));
  return c;
}

Canvas Demon(int frame) {
  Canvas c(224, 192);
  const Color skin = Rgb(0xC0, 0x3C, 0x30), wing = Rgb(0x5A, 0x2C, 0x5C);
  const Color horn = Rgb(0xE8, 0xDC, 0xC0);
  const double bob = frame == 1 || frame == 3 ? 3 : 0;
  // Wings spread behind.
  MembraneWing(c, {150, 62 + bob}, {{214, 6}, {222, 50}, {212, 96}, {186, 120}}, wing,
               Rgb(0x30, 0x18, 0x30));
  // Tail with a spade.
  c.Capsule({160, 140}, {196, 166}, 6, Darken(skin, 0.2), Rim(skin));
  c.Capsule({196, 166}, {212, 150}, 4, Darken(skin, 0.2), Rim(skin));
  c.Polygon({{206, 148}, {222, 136}, {218, 156}}, Darken(skin, 0.3), Rim(skin));
  // Legs: a stomping walk.
  const double strideA[4] = {-10, 4, 12, -2}, strideB[4] = {10, -2, -12, 2};
  for (int leg = 0; leg < 2; ++leg) {
    const double hipX = leg == 0 ? 132 : 104, s = leg == 0 ? strideA[frame] : strideB[frame];
    const Color col = leg == 0 ? Darken(skin, 0.25) : skin;
    const Pt hip{hipX, 128 + bob}, knee{hipX - 12 + s * 0.5, 156}, foot{hipX + s, 184};
    c.Capsule(hip, knee, 13, Ball(col, hip.x, hip.y, 30), Rim(col));
    c.Capsule(knee, foot, 9, col, Rim(col));
    c.Ellipse(foot.x - 6, 186, 16, 6, Darken(col, 0.2), Rim(col));
    Spikes(c, {foot.x - 22, 188}, {foot.x - 12, 188}, 2, 6, {-1, 0}, horn);
  }
  // Torso and the lighter chest.
  c.Ellipse(118, 96 + bob, 46, 44, Ball(skin, 118, 96 + bob, 44), Rim(skin));
  c.Ellipse(100, 102 + bob, 24, 26, Rgb(0xE0, 0x80, 0x60), Rim(skin));
  // Back arm.
  c.Capsule({146, 78 + bob}, {160, 124 + bob}, 10, Darken(skin, 0.25), Rim(skin));
  // Head: horns, glowing eyes, a jaw full of teeth (open on the strike).
  const Pt head{76, 54 + bob};
  c.Polygon({{head.x + 8, head.y - 18}, {head.x + 30, head.y - 46}, {head.x + 18, head.y - 12}},
            horn, Rim(horn));
  c.Polygon({{head.x - 10, head.y - 18}, {head.x - 6, head.y - 48}, {head.x + 4, head.y - 16}},
            horn, Rim(horn));
  c.Circle(head.x, head.y, 25, Ball(skin, head.x, head.y, 25), Rim(skin));
  GlowEye(c, head.x - 13, head.y - 6, 3.5, Rgb(0xFF, 0xE0, 0x20));
  GlowEye(c, head.x + 2, head.y - 6, 3.5, Rgb(0xFF, 0xE0, 0x20));
  const double jaw = frame == 3 ? 9 : 3;
  c.Ellipse(head.x - 8, head.y + 10 + jaw / 2, 13, 3 + jaw / 2, Rgb(0x40, 0x08, 0x10));
  Spikes(c, {head.x - 20, head.y + 9}, {head.x + 4, head.y + 9}, 5, 4, {0, 1}, 0xFFFFFF);
  // Front arm: swinging with the walk, clawing forward on the strike.
  const Pt claws[4] = {{60, 132}, {70, 126}, {84, 136}, {30, 84}};
  const Pt hand{claws[frame].x, claws[frame].y + bob};
  c.Capsule({96, 80 + bob}, hand, 11, Ball(skin, 96, 80 + bob, 40), Rim(skin));
  c.Circle(hand.x, hand.y, 12, Ball(skin, hand.x, hand.y, 12), Rim(skin));
  Spikes(c, {hand.x - 10, hand.y - 8}, {hand.x - 8, hand.y + 10}, 3, 9, {-1, 0.2}, horn);
  return c;
}

Canvas Dragon(int frame) {
  Canvas c(320, 192);
  const Color scale = Rgb(0xB8, 0x2C, 0x2C), belly = Rgb(0xF0, 0xC0, 0x60);
  const Color wing = Rgb(0x80, 0x1C, 0x28), horn = Rgb(0xF0, 0xE8, 0xD0);
  // Folded wings rising from the back.
  MembraneWing(c, {176, 84}, {{226, 4}, {268, 18}, {296, 52}, {288, 92}}, wing,
               Rgb(0x40, 0x0C, 0x10));
  // Tail sweeping right.
  c.Polygon({{236, 108}, {318, 150}, {316, 166}, {300, 164}, {232, 150}}, Ball(scale, 270, 140, 50),
            Rim(scale));
  Spikes(c, {250, 114}, {312, 148}, 5, 10, {0.3, -1}, horn);
  // Legs.
  for (int leg = 0; leg < 2; ++leg) {
    const double x = leg == 0 ? 222 : 128;
    const Color col = leg == 0 ? Darken(scale, 0.2) : scale;
    c.Capsule({x, 130}, {x - 6, 178}, 16, Ball(col, x, 140, 30), Rim(col));
    c.Ellipse(x - 12, 184, 22, 8, Darken(col, 0.1), Rim(col));
    Spikes(c, {x - 36, 188}, {x - 22, 188}, 3, 7, {-1, 0}, horn);
  }
  // Body and belly.
  c.Ellipse(184, 118, 78, 44, Ball(scale, 184, 118, 70), Rim(scale));
  c.Ellipse(160, 140, 48, 20, belly, Rim(belly));
  for (int i = 0; i < 5; ++i)
    c.Line({126.0 + i * 16, 128}, {130.0 + i * 16, 156}, Darken(belly, 0.25));
  Spikes(c, {120, 82}, {240, 84}, 7, 12, {0, -1}, horn);
  // Neck and head: resting, reared up, drawing breath, lunging with the jaws open.
  const Pt heads[4] = {{62, 74}, {66, 50}, {80, 60}, {56, 78}};
  const Pt head = heads[frame];
  c.Capsule({130, 104}, {head.x + 20, head.y + 4}, 19, Ball(scale, 100, 80, 50), Rim(scale));
  if (frame == 2) Glow(c, 120, 118, 26, Rgb(0xFF, 0xF0, 0x90), Rgb(0xF0, 0x70, 0x20));
  const double jaw = frame == 3 ? 16 : 4;
  // Upper jaw and skull.
  auto at = [&](double x, double y) { return Pt{head.x + x * 1.3, head.y + y * 1.3}; };
  c.Polygon({at(-36, 4), at(-8, -16), at(22, -14), at(28, 8), at(-34, 10)},
            Ball(scale, head.x, head.y - 4, 32), Rim(scale));
  // Lower jaw, dropped open on the breath.
  c.Polygon({at(-30, 10 + jaw), at(24, 8), at(16, 20 + jaw / 2), at(-26, 16 + jaw)},
            Darken(scale, 0.15), Rim(scale));
  if (frame == 3) {
    c.Polygon({at(-30, 11), at(18, 9), at(-28, 25)}, Rgb(0xFF, 0x90, 0x30));
  }
  Spikes(c, at(-32, 10), at(-6, 10), 4, 5, {0, 1}, 0xFFFFFF);
  c.Polygon({at(8, -12), at(44, -30), at(20, -4)}, horn, Rim(horn));
  GlowEye(c, head.x - 3, head.y - 8, 4, Rgb(0xFF, 0xD0, 0x20));
  c.Circle(head.x - 40, head.y, 1.8, Rgb(0x30, 0x08, 0x08));
  return c;
}

}  // namespace sheets
