// Opening: the scene pictures, 224 x 192 each. Opening pictures 1-4 along the top row, ending
// pictures 1-5 along the second row; a spare picture (the egg in its nest) completes the ten.

#include <cmath>

#include "figures.h"
#include "pixel_font.h"
#include "scene_props.h"
#include "sheets.h"

namespace sheets {

namespace {

constexpr int kW = 224, kH = 192;

// A figure with its outline; facingLeft mirrors a side view. Rows below cutY are left out (a
// sleeper under her blanket).
void Figure(Canvas& scene, double cx, double feetY, double s, const Look& look, Pose pose,
            bool facingLeft = false, double cutY = 1e9) {
  Canvas f(kW, kH);
  DrawPerson(f, facingLeft ? kW - cx : cx, feetY, s, look, pose);
  if (facingLeft) f = f.Mirrored();
  for (int y = static_cast<int>(std::max(0.0, cutY)); y < kH; ++y) {
    for (int x = 0; x < kW; ++x) f.Erase(x, y);
  }
  f.Outline(kOutline);
  scene.Draw(f, 0, 0);
}

Pose Posed(View view, Face face) {
  Pose p;
  p.view = view;
  p.face = face;
  return p;
}

Canvas WakeUpCall() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Room(c, Rgb(0xF4, 0xE0, 0xC0), Rgb(0xC0, 0x8C, 0x54));
  Window(c, 120, 22, true);
  Bed(c, 8, 112, 124);
  Figure(c, 44, 112 + 41 * 1.3 - 2, 1.3, HeroineLook(), Posed(View::Front, Face::Asleep), false,
         118);
  Blanket(c, 22, 116, 108, 22);
  Pose shout = Posed(View::Side, Face::Angry);
  shout.armsUp = true;
  Figure(c, 178, 182, 1.5, FriendLook(), shout, true);
  AngerMark(c, 194, 108);
  Exclaim(c, 144, 72, 2);
  PictureFrame(c);
  return c;
}

Canvas AwakeAndScolded() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Room(c, Rgb(0xF4, 0xE0, 0xC0), Rgb(0xC0, 0x8C, 0x54));
  Window(c, 120, 22, true);
  Bed(c, 8, 112, 124);
  Figure(c, 50, 150, 1.4, HeroineLook(), Posed(View::Front, Face::Surprised), false, 122);
  Blanket(c, 22, 122, 108, 18);
  PixelText(c, 74, 52, "?", Rgb(0xFF, 0xE0, 0x30), 3);
  Pose scold = Posed(View::Front, Face::Angry);
  scold.nearArm = 3;
  Figure(c, 180, 184, 1.5, FriendLook(), scold);
  AngerMark(c, 198, 108);
  PictureFrame(c);
  return c;
}

Canvas Grumbling() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  TownStreet(c);
  Pose walk = WalkPose(View::Side, 1);
  walk.face = Face::Angry;
  Figure(c, 104, 180, 1.6, HeroineLook(), walk);
  Grumble(c, 150, 58);
  Grumble(c, 166, 44);
  PictureFrame(c);
  return c;
}

Canvas TheGate() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Forest(c, 4);
  SwirlGate(c, 156, 104, 54);
  Figure(c, 60, 184, 1.5, HeroineLook(), Posed(View::Side, Face::Surprised));
  Exclaim(c, 70, 66, 2);
  PictureFrame(c);
  return c;
}

Canvas TheEgg() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Room(c, Rgb(0xD8, 0xE0, 0xF0), Rgb(0xA8, 0x7C, 0x50));
  Window(c, 84, 18, false);
  Figure(c, 70, 184, 1.5, HeroineLook(), Posed(View::Front, Face::Worried));
  Egg(c, 70, 152, 22);
  SweatDrop(c, 96, 96);
  Figure(c, 170, 184, 1.5, FriendLook(), Posed(View::Side, Face::Happy), true);
  PictureFrame(c);
  return c;
}

Canvas HammerTime() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Room(c, Rgb(0xD8, 0xE0, 0xF0), Rgb(0xA8, 0x7C, 0x50));
  Egg(c, 108, 156, 26);
  Impact(c, 108, 126, 22);
  Pose swing = Posed(View::Side, Face::Angry);
  swing.armsUp = true;
  Figure(c, 172, 184, 1.5, FriendLook(), swing, true);
  Hammer(c, {166, 128}, 135);
  Figure(c, 36, 184, 1.4, HeroineLook(), Posed(View::Side, Face::Surprised));
  Exclaim(c, 40, 52, 3);
  PictureFrame(c);
  return c;
}

Canvas BrightIdea() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Room(c, Rgb(0xD8, 0xE0, 0xF0), Rgb(0xA8, 0x7C, 0x50));
  Figure(c, 150, 184, 1.5, FriendLook(), Posed(View::Front, Face::Sly));
  Sparkles(c, 150, 60, 26, 7);
  Figure(c, 58, 184, 1.5, HeroineLook(), Posed(View::Front, Face::Worried));
  SweatDrop(c, 84, 94);
  Egg(c, 104, 170, 14);
  PictureFrame(c);
  return c;
}

Canvas TheNews() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Mountains(c, Rgb(0xF0, 0xB0, 0x70), Rgb(0x7A, 0x6A, 0x8C), Rgb(0x4C, 0x5C, 0x4C));
  DragonSilhouette(c, 40, 48, 1.6, Rgb(0x30, 0x20, 0x30));
  Look crier;
  crier.hair = Rgb(0x3A, 0x2A, 0x20);
  crier.dress = Rgb(0x2C, 0x7C, 0x5C);
  crier.style = HairStyle::Short;
  crier.trousers = true;
  crier.legs = Rgb(0x5A, 0x44, 0x30);
  Pose shout = Posed(View::Front, Face::Surprised);
  shout.armsUp = true;
  Figure(c, 150, 186, 1.6, crier, shout);
  Exclaim(c, 184, 50, 2);
  PictureFrame(c);
  return c;
}

Canvas TheDragonWakes() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Mountains(c, Rgb(0xE8, 0x60, 0x40), Rgb(0x5A, 0x30, 0x40), Rgb(0x34, 0x24, 0x2C));
  DragonSilhouette(c, 60, 40, 2.4, Rgb(0x18, 0x08, 0x10));
  c.Polygon({{60, 40}, {20, 70}, {34, 50}, {14, 44}}, Rgb(0xFF, 0xA0, 0x30), Rgb(0xC0, 0x40, 0x10));
  Figure(c, 70, 186, 1.3, HeroineLook(), Posed(View::Front, Face::Surprised));
  Exclaim(c, 90, 100, 2);
  Figure(c, 160, 186, 1.3, FriendLook(), Posed(View::Front, Face::Worried));
  SweatDrop(c, 182, 120);
  PictureFrame(c);
  return c;
}

Canvas TheNest() {
  Canvas c = Canvas::Filled(kW, kH, 0);
  Mountains(c, Rgb(0x9C, 0xC8, 0xF0), Rgb(0x8C, 0x98, 0xB0), Rgb(0x5C, 0x8C, 0x50));
  c.Ellipse(112, 160, 70, 22, Rgb(0xC8, 0xA0, 0x50), Rgb(0x6A, 0x50, 0x20));
  for (int i = 0; i < 14; ++i) {
    const double x = 50 + i * 9;
    c.Line({x, 150}, {x + 12, 170}, Rgb(0x8A, 0x68, 0x30));
  }
  Egg(c, 112, 128, 34);
  Sparkles(c, 112, 120, 50, 21);
  PictureFrame(c);
  return c;
}

}  // namespace

Surface BuildOpening() {
  Surface sheet = BlankSheet(1123, 386);
  Canvas (*const opening[5])() = {WakeUpCall, AwakeAndScolded, Grumbling, TheGate, TheNest};
  Canvas (*const ending[5])() = {TheEgg, HammerTime, BrightIdea, TheNews, TheDragonWakes};
  for (int i = 0; i < 5; ++i) {
    opening[i]().PutPicture(sheet, kW * i, 0);
    ending[i]().PutPicture(sheet, kW * i, kH);
  }
  return sheet;
}

}  // namespace sheets
