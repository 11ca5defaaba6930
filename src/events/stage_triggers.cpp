// These steps arrive with the stage work; the field-event pass already calls them in order.
#include "events/stage_triggers.h"

namespace korvela {

void StoryFlagUpgrades(Game&) {}  // flags 2 and 3 go to 2 once 7 / 8 are set: second shot, +50 MP
void EnemyTriggers(Game&) {}      // stage cell 160-163: clears the cell and starts one enemy
void BossTriggers(Game&) {}       // stage cell 192 (boss stage), 176-183: clears the column, boss
void DragonEgg(Game&) {}          // stage cell 184: clears the column, the egg message, flag 13
void FlameStrikePickUp(Game&) {}  // stage cell 63 with flag 10 at 0: the new attack, flag 10
void EndingTrigger(Game&) {}      // stage cell 185: EndingFlag = -1

}  // namespace korvela
