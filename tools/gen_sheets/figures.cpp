#include "figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sheets {

namespace {

// Figure units to canvas pixels: x forward/right, y up from the feet (negative is higher).
struct Frame {
  double cx, feetY, s;
  Pt P(double x, double y) const { return {cx + x * s, feetY + y * s}; }
  double L(double v) const { return v * s; }
};

Color Rim(Color c) { return Darken(c, 0.45); }

std::vector<Pt> Map(const Frame& f, std::initializer_list<Pt> pts) {
  std::vector<Pt> out;
  for (const Pt& p : pts) out.push_back(f.P(p.x, p.y));
  return out;
}

void Bow(Canvas& c, const Frame& f, double x, double y, Color color) {
  c.Polygon(Map(f, {{x, y}, {x - 3.6, y - 2.4}, {x - 3.6, y + 2.4}}), color, Rim(color));
  c.Polygon(Map(f, {{x, y}, {x + 3.6, y - 2.4}, {x + 3.6, y + 2.4}}), color, Rim(color));
  c.Circle(f.P(x, y).x, f.P(x, y).y, f.L(1.3), Rim(color));
}

void Leg(Canvas& c, const Frame& f, const Look& look, double hipX, double footX, double lift,
         bool side, bool far) {
  const Color legColor = far ? Darken(look.legs, 0.18) : look.legs;
  const Color boot = far ? Darken(look.boots, 0.25) : look.boots;
  const double hipY = -13, ankleY = -3 - lift;
  const Pt hip = f.P(hipX, hipY), ankle = f.P(footX, ankleY);
  c.Capsule(hip, ankle, f.L(2.2), legColor);
  if (side) {
    c.Capsule(f.P(footX - 0.6, ankleY + 0.8), f.P(footX + 2.2, ankleY + 1.6), f.L(2.0), boot);
  } else {
    c.Ellipse(f.P(footX, ankleY + 1.2).x, f.P(footX, ankleY + 1.2).y, f.L(2.7), f.L(2.3), boot);
  }
}

void Arm(Canvas& c, const Frame& f, const Look& look, Pt shoulder, Pt hand, bool far) {
  const Color sleeve = far ? Darken(look.dress, 0.22) : look.dress;
  const Color skin = far ? Darken(look.skin, 0.15) : look.skin;
  const Pt elbow{shoulder.x + (hand.x - shoulder.x) * 0.55,
                 shoulder.y + (hand.y - shoulder.y) * 0.55};
  c.Capsule(f.P(elbow.x, elbow.y), f.P(hand.x, hand.y), f.L(1.9), skin, Rim(skin));
  c.Capsule(f.P(shoulder.x, shoulder.y), f.P(elbow.x, elbow.y), f.L(2.4), sleeve, Rim(sleeve));
  c.Circle(f.P(hand.x, hand.y).x, f.P(hand.x, hand.y).y, f.L(2.1), skin, Rim(skin));
}

void Star(Canvas& c, Pt centre, double r, Color color) {
  std::vector<Pt> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double rr = (i % 2 == 0) ? r : r * 0.45;
    pts.push_back({centre.x + rr * std::cos(a), centre.y + rr * std::sin(a)});
  }
  c.Polygon(pts, color, Rim(color));
}

void Wand(Canvas& c, const Frame& f, Pt hand, const Pose& pose) {
  const double a = pose.wandAngle * std::numbers::pi / 180;
  const Pt tip{hand.x + 10 * std::cos(a), hand.y - 10 * std::sin(a)};
  c.Capsule(f.P(hand.x, hand.y), f.P(tip.x, tip.y), f.L(1.0), Rgb(0x8A, 0x5A, 0x30));
  const Pt t = f.P(tip.x, tip.y);
  if (pose.sparkle > 0) {
    const double r = f.L(2.5 + 2.2 * pose.sparkle);
    c.Circle(t.x, t.y, r, Rgb(0xFF, 0xF8, 0xC8));
    for (int i = 0; i < 4; ++i) {
      const double ang = i * std::numbers::pi / 2 + std::numbers::pi / 4 * (pose.sparkle % 2);
      c.Capsule(t, {t.x + (r + f.L(3)) * std::cos(ang), t.y + (r + f.L(3)) * std::sin(ang)},
                f.L(0.7), Rgb(0xFF, 0xFF, 0xE0));
    }
  }
  Star(c, t, f.L(3.4), Rgb(0xFF, 0xD8, 0x30));
}

void Eye(Canvas& c, const Frame& f, double x, double y, Face face, bool mirrorBrow) {
  const Color ink = Rgb(0x3A, 0x24, 0x30);
  const Pt e = f.P(x, y);
  switch (face) {
    case Face::Asleep:
      c.Capsule(f.P(x - 1.6, y + 0.4), f.P(x + 1.6, y + 0.4), f.L(0.55), ink);
      return;
    case Face::Happy:
      c.Capsule(f.P(x - 1.6, y + 0.6), f.P(x, y - 0.8), f.L(0.55), ink);
      c.Capsule(f.P(x, y - 0.8), f.P(x + 1.6, y + 0.6), f.L(0.55), ink);
      return;
    case Face::Sly:
      c.Ellipse(e.x, e.y + f.L(0.6), f.L(1.5), f.L(1.1), ink);
      c.Capsule(f.P(x - 2, y - 0.6), f.P(x + 2, y - 0.6), f.L(0.6), ink);
      return;
    default:
      break;
  }
  const double grow = face == Face::Surprised ? 1.25 : 1.0;
  c.Ellipse(e.x, e.y, f.L(1.45 * grow), f.L(2.3 * grow), ink);
  c.Rect(std::floor(e.x - f.L(0.9)), std::floor(e.y - f.L(1.5)), std::max(1.0, f.L(0.8)),
         std::max(1.0, f.L(0.8)), 0xFFFFFF);
  const double side = mirrorBrow ? -1 : 1;
  if (face == Face::Angry) {
    c.Capsule(f.P(x - 2 * side, y - 4.2), f.P(x + 2 * side, y - 3.0), f.L(0.6), ink);
  } else if (face == Face::Worried) {
    c.Capsule(f.P(x - 2 * side, y - 3.0), f.P(x + 2 * side, y - 4.2), f.L(0.6), ink);
  }
}

void Mouth(Canvas& c, const Frame& f, double x, double y, Face face) {
  const Color ink = Rgb(0x8A, 0x30, 0x38);
  const Pt m = f.P(x, y);
  switch (face) {
    case Face::Angry:
    case Face::Surprised:
      c.Ellipse(m.x, m.y, f.L(1.4), f.L(1.3), Rgb(0x6A, 0x1C, 0x28));
      break;
    case Face::Happy:
    case Face::Sly:
      c.Ellipse(m.x, m.y, f.L(1.8), f.L(1.0), Rgb(0x6A, 0x1C, 0x28));
      break;
    default:
      c.Capsule(f.P(x - 0.8, y), f.P(x + 0.8, y), f.L(0.5), ink);
      break;
  }
}

void HeadFront(Canvas& c, const Frame& f, const Look& look, Face face) {
  const Pt h = f.P(0, -41);
  const double r = 11.5;
  if (look.style == HairStyle::Bald) {
    c.Circle(h.x, h.y, f.L(r), Ball(look.skin, h.x, h.y, f.L(r)), Rim(look.skin));
    c.Ellipse(f.P(-9, -40).x, f.P(-9, -40).y, f.L(3), f.L(5), look.hair, Rim(look.hair));
    c.Ellipse(f.P(9, -40).x, f.P(9, -40).y, f.L(3), f.L(5), look.hair, Rim(look.hair));
  } else {
    if (look.style == HairStyle::Bun) {
      const Pt b = f.P(0, -53);
      c.Circle(b.x, b.y, f.L(4.5), Ball(look.hair, b.x, b.y, f.L(4.5)), Rim(look.hair));
    }
    c.Circle(h.x, h.y, f.L(r), Ball(look.hair, h.x, h.y, f.L(r)), Rim(look.hair));
  }
  c.Ellipse(f.P(0, -38.3).x, f.P(0, -38.3).y, f.L(9.3), f.L(8.6), look.skin);
  if (look.style != HairStyle::Bald) {
    c.Polygon(Map(f, {{-11.2, -40},
                      {-10.5, -47},
                      {-5, -52},
                      {5, -52},
                      {10.5, -47},
                      {11.2, -40},
                      {8.5, -44.5},
                      {6, -41.5},
                      {3, -45},
                      {0, -41.8},
                      {-3, -45},
                      {-6, -41.5},
                      {-8.5, -44.5}}),
              Ball(look.hair, h.x, h.y, f.L(r)));
    const double lockEnd = look.style == HairStyle::Short ? -36 : -32.5;
    c.Capsule(f.P(-10, -42), f.P(-10.2, lockEnd), f.L(1.9), look.hair);
    c.Capsule(f.P(10, -42), f.P(10.2, lockEnd), f.L(1.9), look.hair);
  }
  Eye(c, f, -4, -38.5, face, false);
  Eye(c, f, 4, -38.5, face, true);
  if (face != Face::Angry && face != Face::Asleep) {
    c.Ellipse(f.P(-6.6, -35.2).x, f.P(-6.6, -35.2).y, f.L(1.6), f.L(0.8), Rgb(0xF4, 0xA0, 0xA0));
    c.Ellipse(f.P(6.6, -35.2).x, f.P(6.6, -35.2).y, f.L(1.6), f.L(0.8), Rgb(0xF4, 0xA0, 0xA0));
  }
  if (look.beard) {
    c.Polygon(Map(f, {{-8, -37}, {8, -37}, {6, -27}, {0, -24}, {-6, -27}}), look.hair,
              Rim(look.hair));
    c.Capsule(f.P(-3, -34.5), f.P(3, -34.5), f.L(0.7), Darken(look.hair, 0.4));
  } else {
    Mouth(c, f, 0, -33.6, face);
  }
  if (look.style == HairStyle::Ponytail) Bow(c, f, 7, -50, look.ribbon);
}

void HeadBack(Canvas& c, const Frame& f, const Look& look) {
  const Pt h = f.P(0, -41);
  const double r = 11.5;
  if (look.style == HairStyle::Bald) {
    c.Circle(h.x, h.y, f.L(r), Ball(look.skin, h.x, h.y, f.L(r)), Rim(look.skin));
    c.Ellipse(h.x, f.P(0, -36).y, f.L(10.5), f.L(5), look.hair, Rim(look.hair));
    return;
  }
  c.Circle(h.x, h.y, f.L(r), Ball(look.hair, h.x, h.y, f.L(r)), Rim(look.hair));
  if (look.style == HairStyle::Bun) {
    const Pt b = f.P(0, -47);
    c.Circle(b.x, b.y, f.L(4.5), Ball(look.hair, b.x, b.y, f.L(4.5)), Rim(look.hair));
  }
  // Strands of hair.
  for (double x : {-5.0, 0.0, 5.0}) {
    c.Line(f.P(x * 0.6, -50), f.P(x, -33), Darken(look.hair, 0.25));
  }
  if (look.style == HairStyle::Ponytail) {
    c.Capsule(f.P(0, -45), f.P(0.5, -29), f.L(3.4), Ball(look.hair, h.x, f.P(0, -37).y, f.L(8)),
              Rim(look.hair));
    Bow(c, f, 0, -46, look.ribbon);
  }
}

// What lies behind the head in profile: the ponytail or the bun.
void HairBehindSide(Canvas& c, const Frame& f, const Look& look) {
  if (look.style == HairStyle::Ponytail) {
    c.Capsule(f.P(-9, -46), f.P(-15.5, -40), f.L(3.4), look.hair, Rim(look.hair));
    c.Capsule(f.P(-15.5, -40), f.P(-16.5, -31), f.L(2.8), look.hair, Rim(look.hair));
  }
  if (look.style == HairStyle::Bun) {
    const Pt b = f.P(-8, -50);
    c.Circle(b.x, b.y, f.L(4.5), Ball(look.hair, b.x, b.y, f.L(4.5)), Rim(look.hair));
  }
}

void HeadSide(Canvas& c, const Frame& f, const Look& look, Face face) {
  const Pt h = f.P(0, -41);
  const double r = 11.5;
  const Color cap = look.style == HairStyle::Bald ? look.skin : look.hair;
  c.Circle(h.x, h.y, f.L(r), Ball(cap, h.x, h.y, f.L(r)), Rim(cap));
  c.Ellipse(f.P(3.8, -38.6).x, f.P(3.8, -38.6).y, f.L(7.8), f.L(8.3), look.skin);
  if (look.style == HairStyle::Bald) {
    c.Ellipse(f.P(-5, -38).x, f.P(-5, -38).y, f.L(5), f.L(5), look.hair, Rim(look.hair));
  } else {
    c.Polygon(Map(f, {{-7, -52.5},
                      {6, -51},
                      {11.5, -44},
                      {11.6, -41.5},
                      {9, -43.5},
                      {6.5, -40.5},
                      {4.5, -44.5},
                      {1.5, -41.5},
                      {-1, -44},
                      {-3, -36},
                      {-6, -33}}),
              Ball(look.hair, h.x, h.y, f.L(r)));
    c.Ellipse(f.P(-4, -41).x, f.P(-4, -41).y, f.L(6.5), f.L(10.5),
              Ball(look.hair, h.x, h.y, f.L(r)));
  }
  Eye(c, f, 6.6, -38.6, face, false);
  if (face != Face::Angry && face != Face::Asleep) {
    c.Ellipse(f.P(5, -35).x, f.P(5, -35).y, f.L(1.6), f.L(0.8), Rgb(0xF4, 0xA0, 0xA0));
  }
  if (look.beard) {
    c.Polygon(Map(f, {{0, -36}, {11, -35}, {9, -27}, {3, -25}}), look.hair, Rim(look.hair));
  } else {
    Mouth(c, f, 9.4, -33.8, face);
  }
  if (look.style == HairStyle::Ponytail) Bow(c, f, -9, -47.5, look.ribbon);
}

void Body(Canvas& c, const Frame& f, const Look& look, const Pose& pose) {
  const bool side = pose.view == View::Side;
  const double flare = pose.jump ? 2.5 : 0;
  const double hem = look.trousers ? -16 : -10 - (pose.jump ? 1 : 0);
  const double hw = (side ? 10 : 11) + flare;
  const double fwd = side ? 0.8 : 0;
  const Pt centre = f.P(0, -22);
  c.Polygon(Map(f, {{-5.5, -30.5},
                    {5.5, -30.5},
                    {6.8, -22},
                    {hw + fwd, hem},
                    {-hw + fwd, hem},
                    {-6.8, -22}}),
            Ball(look.dress, centre.x, centre.y, f.L(14)), Rim(look.dress));
  // Hem frill and sash.
  c.Polygon(Map(f, {{-hw + fwd + 0.4, hem - 2.6},
                    {hw + fwd - 0.4, hem - 2.6},
                    {hw + fwd, hem},
                    {-hw + fwd, hem}}),
            look.trim, Rim(look.trim));
  c.Rect(f.P(-6.8, -23.5).x, f.P(-6.8, -23.5).y, f.L(13.6), f.L(2.2),
         look.trousers ? Rgb(0x5A, 0x3A, 0x20) : look.ribbon);
  if (look.apron && pose.view != View::Back) {
    const double ax = side ? 4 : 0;
    c.Polygon(Map(f, {{ax - 4.5, -22}, {ax + 4.5, -22}, {ax + 5.5, hem + 1}, {ax - 5.5, hem + 1}}),
              0xFFFFFF, Rgb(0xB8, 0xB0, 0xA8));
  }
  // Collar.
  if (pose.view == View::Front) {
    c.Polygon(Map(f, {{-4.5, -30.6}, {4.5, -30.6}, {0, -27}}), look.trim, Rim(look.trim));
  } else if (side) {
    c.Polygon(Map(f, {{-1, -30.6}, {5.5, -30.6}, {4, -27.5}}), look.trim, Rim(look.trim));
  }
}

}  // namespace

void DrawPerson(Canvas& c, double cx, double feetY, double scale, const Look& look,
                const Pose& pose) {
  const Frame f{cx, feetY - pose.bob * scale, scale};
  const bool side = pose.view == View::Side;
  const double jumpLift = pose.jump ? 4 : 0;
  const Pt farShoulder = side ? Pt{-1.5, -27.5} : Pt{-7.2, -27.5};
  const Pt nearShoulder = side ? Pt{1.2, -27.5} : Pt{7.2, -27.5};
  auto hand = [&](Pt shoulder, double swing, double out) {
    // Arms up: seen from the side the near arm is flung back and the far one reaches forward,
    // so neither crosses the face.
    if (pose.armsUp && side) return Pt{shoulder.x - out * 10, shoulder.y - 8};
    if (pose.armsUp) return Pt{shoulder.x + out * 3 + swing * 0.3, shoulder.y - 9};
    if (side) return Pt{shoulder.x + swing, shoulder.y + 9.5 - std::abs(swing) * 0.25};
    // Seen from the front an arm swinging forward looks shorter.
    return Pt{shoulder.x + out * 1.6, shoulder.y + 9.5 - std::max(0.0, swing) * 0.9};
  };

  if (side) {
    HairBehindSide(c, f, look);
    Arm(c, f, look, farShoulder, hand(farShoulder, pose.farArm, -1), true);
    Leg(c, f, look, -1, pose.farFoot, pose.farLift + jumpLift, true, true);
    Body(c, f, look, pose);
    Leg(c, f, look, 1, pose.nearFoot, pose.nearLift + jumpLift, true, false);
    HeadSide(c, f, look, pose.face);
    if (pose.wand) {
      const Pt grip{12.5, -27};
      Arm(c, f, look, nearShoulder, grip, false);
      Wand(c, f, grip, pose);
    } else {
      Arm(c, f, look, nearShoulder, hand(nearShoulder, pose.nearArm, 1), false);
    }
    return;
  }
  // Front and back: "near" is the figure's right-hand side on the canvas.
  Leg(c, f, look, -3, -3, pose.farLift + jumpLift, false, false);
  Leg(c, f, look, 3, 3, pose.nearLift + jumpLift, false, false);
  Body(c, f, look, pose);
  Arm(c, f, look, farShoulder, hand(farShoulder, pose.farArm, -1), false);
  Arm(c, f, look, nearShoulder, hand(nearShoulder, pose.nearArm, 1), false);
  if (pose.view == View::Front) {
    HeadFront(c, f, look, pose.face);
  } else {
    HeadBack(c, f, look);
  }
}

Pose WalkPose(View view, int step) {
  Pose p;
  p.view = view;
  const bool side = view == View::Side;
  switch (step) {
    case 1:  // near foot forward
      p.nearFoot = side ? 7 : 0, p.farFoot = side ? -6 : 0;
      p.farLift = side ? 1 : 4;
      p.nearArm = -5, p.farArm = 5;
      break;
    case 2:  // passing, far knee up
      p.nearFoot = side ? -1 : 0, p.farFoot = side ? 2 : 0;
      p.farLift = side ? 4 : 1, p.bob = 1;
      p.nearArm = -1.5, p.farArm = 1.5;
      break;
    case 3:  // far foot forward
      p.nearFoot = side ? -6 : 0, p.farFoot = side ? 7 : 0;
      p.nearLift = side ? 1 : 4;
      p.nearArm = 5, p.farArm = -5;
      break;
    case 4:  // passing, near knee up
      p.nearFoot = side ? 2 : 0, p.farFoot = side ? -1 : 0;
      p.nearLift = side ? 4 : 1, p.bob = 1;
      p.nearArm = 1.5, p.farArm = -1.5;
      break;
    default:
      break;
  }
  return p;
}

Look HeroineLook() { return Look{}; }

Look FriendLook() {
  Look l;
  l.hair = Rgb(0xF0, 0xC8, 0x48);
  l.dress = Rgb(0x3C, 0x8C, 0xD8);
  l.ribbon = Rgb(0xFF, 0x7A, 0x9A);
  l.style = HairStyle::Bun;
  l.boots = Rgb(0x4A, 0x3A, 0x5A);
  return l;
}

}  // namespace sheets
