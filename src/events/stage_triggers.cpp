// What the stage cell under the heroine starts: enemies, bosses, the egg, the new attack and
// the ending; and the two upgrades that the story flags grant.
#include "events/stage_triggers.h"

#include "enemies/enemies.h"
#include "events/event_cells.h"
#include "text/message.h"

namespace korvela {

namespace {

std::array<uint8_t, 21>& Flags(Game& g) { return g.Player.StoryFlags; }

// Clears the trigger's code from four rows above to four rows below the heroine, so a trigger
// drawn as a vertical line fires once, at whatever height she crosses it.
void ClearTriggerColumn(Game& g) {
  const int column = g.MapOriginX + 7;
  const int row = g.MapOriginY + g.Player.PlayerY;
  for (int dy : {0, 1, 2, 3, 4, -1, -2, -3, -4}) {
    if (g.MapLayer2.Contains(column, row + dy)) g.MapLayer2(column, row + dy) = 0;
  }
}

struct BossTrigger {
  uint8_t code;
  int16_t kind;
};

// The boss trigger codes in the order they are tested; 180 and 181 swap their bosses once the
// first flyer is beaten (flag 4), and 192 / 183 have conditions of their own.
constexpr BossTrigger kBossTriggers[] = {
    {192, 0}, {176, 0}, {177, 1}, {178, 2}, {179, 3}, {180, 4}, {181, 5}, {182, 6}, {183, 7},
};

bool BossTriggerArmed(Game& g, uint8_t code) {
  if (code == 192) return g.BossStage == 1;
  if (code == 183) return Flags(g)[13] == 1;
  return true;
}

int16_t BossKind(Game& g, const BossTrigger& t) {
  if ((t.code == 180 || t.code == 181) && Flags(g)[4] != 0) return t.code == 180 ? 5 : 4;
  return t.kind;
}

}  // namespace

void StoryFlagUpgrades(Game& g) {
  auto& flags = Flags(g);
  if (flags[2] == 1 && flags[7] == 1) {  // the elder's lesson: the second shot
    flags[2] = 2;
    g.Player.SelectCode = 2;
  }
  if (flags[3] == 1 && flags[8] == 1) {  // the sage's lesson: more MP
    flags[3] = 2;
    g.Player.PlayerMaxMp += 50;
  }
}

void EnemyTriggers(Game& g) {
  for (uint8_t code = 160; code <= 163; ++code) {
    if (StageCell(g) != code) continue;
    SetStageCell(g, 0);
    SpawnEnemy(g, static_cast<int16_t>(code - 160));
  }
}

void BossTriggers(Game& g) {
  for (const BossTrigger& t : kBossTriggers) {
    if (StageCell(g) != t.code || !BossTriggerArmed(g, t.code)) continue;
    const int16_t kind = BossKind(g, t);
    ClearTriggerColumn(g);
    SpawnBoss(g, kind);
  }
}

void DragonEgg(Game& g) {
  if (StageCell(g) != 184) return;
  ClearTriggerColumn(g);
  ShowMessage(g, U"古代竜の卵を手に入れた。Pe");
  Flags(g)[13] = 1;
}

void FlameStrikePickUp(Game& g) {
  if (StageCell(g) != 63 || Flags(g)[10] != 0) return;
  ShowMessage(g, U"フレームストライクを手に入れた。Pe");
  Flags(g)[10] = 1;
}

void EndingTrigger(Game& g) {
  if (StageCell(g) == 185) g.EndingFlag = -1;
}

}  // namespace korvela
