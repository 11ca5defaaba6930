// Boss, Boss2 and Buri: where each boss kind's frames lie.

#include "bosses.h"
#include "creature_parts.h"
#include "sheets.h"

namespace sheets {

Surface BuildBoss() {
  Surface sheet = BlankSheet(1796, 1349);
  // Kind 0 only ever faces left: its right-facing cells (x 768 on, rows 0..383) would share
  // rows 0..191 with kind 6, so they are left to kind 6.
  PutFrames(sheet, 4, false, 0, 192, 0, 192, Golem);
  PutFrames(sheet, 5, true, 768, 96, 0, 96, Knight);
  PutFrames(sheet, 5, true, 0, 96, 384, 480, Lich);
  PutFrames(sheet, 4, true, 0, 224, 576, 768, Demon);
  PutFrames(sheet, 4, false, 0, 320, 960, 1152, Dragon);
  return sheet;
}

Surface BuildBoss2() {
  Surface sheet = BlankSheet(3209, 1545);
  PutFrames(sheet, 5, true, 0, 320, 0, 384, Roc);
  PutFrames(sheet, 5, true, 0, 320, 768, 1152, Wyvern);
  return sheet;
}

Surface BuildBuri() {
  Surface sheet = BlankSheet(1279, 192);
  PutFrames(sheet, 5, true, 0, 128, 0, 96, Master);
  return sheet;
}

}  // namespace sheets
