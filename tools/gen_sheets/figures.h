#pragma once
// People: the heroine, her friend and the townsfolk, drawn from one parametric figure so the
// sprite sheets, the town tiles and the scene pictures show the same characters.

#include "canvas.h"

namespace sheets {

enum class View { Front, Back, Side };  // Side faces right; mirror the canvas for left.
enum class HairStyle { Ponytail, Short, Bun, Bald };
enum class Face { Calm, Happy, Angry, Surprised, Asleep, Worried, Sly };

struct Look {
  Color skin = Rgb(0xF8, 0xD4, 0xB4);
  Color hair = Rgb(0x8A, 0x4B, 0x2A);
  Color dress = Rgb(0xD8, 0x3A, 0x5A);
  Color trim = Rgb(0xFF, 0xF4, 0xE8);
  Color legs = Rgb(0x50, 0x40, 0x62);
  Color boots = Rgb(0x6A, 0x3A, 0x24);
  Color ribbon = Rgb(0xFF, 0xD2, 0x3C);
  HairStyle style = HairStyle::Ponytail;
  bool apron = false;
  bool beard = false;
  bool trousers = false;  // men wear a tunic over trousers instead of a dress
};

struct Pose {
  View view = View::Front;
  // Feet, in figure units (one unit is a pixel at scale 1): how far forward each foot stands
  // (side view) and how high it is lifted. "Near" is the leg closer to the viewer.
  double nearFoot = 0, farFoot = 0, nearLift = 0, farLift = 0;
  double bob = 0;                  // the whole body raised by this much
  double nearArm = 0, farArm = 0;  // arm swing forward (side) or outward (front), in units
  bool armsUp = false;             // both arms raised (a jump, a fright)
  bool jump = false;               // knees drawn up, dress flared
  // An attack: the near arm holds a wand out; wandAngle in degrees above the horizontal.
  bool wand = false;
  double wandAngle = 0;
  int sparkle = 0;  // 0 none, 1..3 a growing spark at the wand's tip
  Face face = Face::Calm;
};

// Draws a figure standing with its feet on (cx, feetY); scale 1 is the 64-pixel sprite cell,
// where the figure is about 53 pixels tall.
void DrawPerson(Canvas& c, double cx, double feetY, double scale, const Look& look,
                const Pose& pose);

// The walking cycle shared by every figure: step 0 stands, 1..4 walk.
Pose WalkPose(View view, int step);

// The heroine and her friend.
Look HeroineLook();
Look FriendLook();

constexpr Color kOutline = Rgb(0x24, 0x18, 0x20);

}  // namespace sheets
