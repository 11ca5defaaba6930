#pragma once
// The tests of the field-event pass that are still to come, in their places in the pass.

#include "game/game.h"

namespace korvela {

void StoryFlagUpgrades(Game& g);
void EnemyTriggers(Game& g);
void BossTriggers(Game& g);
void DragonEgg(Game& g);
void FlameStrikePickUp(Game& g);
void EndingTrigger(Game& g);

}  // namespace korvela
