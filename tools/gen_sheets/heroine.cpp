// The heroine's two sheets: 20 cells of 64 x 64 in a row, images on top, masks below.
// Cell 5 * facing + step; in Chr the facings are right, left, down, up; in Chr2 right, left, and
// the poses after an attack to the right and to the left.

#include "figures.h"
#include "sheets.h"

namespace sheets {

namespace {

constexpr int kCell = 64;

void PutCell(Surface& sheet, int n, Canvas cell, bool mirror) {
  cell.Outline(kOutline);
  if (mirror) cell = cell.Mirrored();
  cell.PutSprite(sheet, kCell * n, 0, kCell * n, kCell);
}

// The side-view leap: the pose of the running step 2 and of every jump.
Pose LeapPose() {
  Pose p;
  p.view = View::Side;
  p.nearFoot = 5, p.farFoot = -5;
  p.nearLift = 4, p.farLift = 1;
  p.nearArm = 5, p.farArm = -5;
  p.armsUp = true;
  p.jump = true;
  p.bob = 2;
  return p;
}

// Casting with the wand held out to the right; each step of the attack a different moment.
Pose AttackPose(int step) {
  static constexpr double kAngle[5] = {55, 20, 0, -18, 35};
  static constexpr int kSparkle[5] = {0, 2, 3, 1, 0};
  Pose p;
  p.view = View::Side;
  p.wand = true;
  p.wandAngle = kAngle[step];
  p.sparkle = kSparkle[step];
  p.nearFoot = step == 0 || step == 4 ? 3 : 6;
  p.farFoot = step == 0 || step == 4 ? -3 : -6;
  p.farArm = -5;
  p.face = step == 2 ? Face::Angry : Face::Calm;
  return p;
}

}  // namespace

Surface BuildChr() {
  Surface sheet = BlankSheet(1281, 129);
  const Look look = HeroineLook();
  const View views[4] = {View::Side, View::Side, View::Front, View::Back};
  for (int facing = 0; facing < 4; ++facing) {
    for (int step = 0; step < 5; ++step) {
      Canvas cell(kCell, kCell);
      DrawPerson(cell, 32, 62, 1, look, WalkPose(views[facing], step));
      PutCell(sheet, 5 * facing + step, std::move(cell), facing == 1);
    }
  }
  return sheet;
}

Surface BuildChr2() {
  Surface sheet = BlankSheet(1283, 129);
  const Look look = HeroineLook();
  for (int facing = 0; facing < 4; ++facing) {
    for (int step = 0; step < 5; ++step) {
      Canvas cell(kCell, kCell);
      Pose pose =
          facing < 2 ? (step == 2 ? LeapPose() : WalkPose(View::Side, step)) : AttackPose(step);
      DrawPerson(cell, 30, 63, 1, look, pose);
      PutCell(sheet, 5 * facing + step, std::move(cell), facing % 2 == 1);
    }
  }
  return sheet;
}

}  // namespace sheets
