#pragma once
// The story-flag upgrades and the stage cell's triggers, each one test of the field-event pass.

#include "game/game.h"

namespace korvela {

// Flags 2 and 3 go from 1 to 2 once the texts set 7 / 8: the second shot, and 50 more MP.
void StoryFlagUpgrades(Game& g);
// Codes 160-163: the cell is used up and one enemy of kind code - 160 starts.
void EnemyTriggers(Game& g);
// Codes 192 (only on the way in through 36) and 176-183: the trigger column is used up and
// the boss starts.
void BossTriggers(Game& g);
// Code 184: the dragon's egg, which arms the last boss's trigger 183 (flag 13).
void DragonEgg(Game& g);
// Code 63, once per game: the pillar of fire (flag 10).
void FlameStrikePickUp(Game& g);
// Code 185: the gate home; the frame loop then runs the ending.
void EndingTrigger(Game& g);

}  // namespace korvela
