#pragma once
// The inn bed and the save point of the top-down maps.

#include "game/game.h"

namespace korvela {

// Code 48: while HP differs from STR, a blank screen, the sleep message, the rooster and full HP.
void InnBed(Game& g);
// Code 49: Space is polled on every pass; on the cell with Space down the game is saved, and a
// message says whether that worked.
void SavePoint(Game& g);

}  // namespace korvela
