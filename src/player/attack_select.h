#pragma once
// The attack icons and the S and D keys that choose the attacks of X and C.
#include "game/game.h"

namespace korvela {

void DrawWeaponIcons(Game& g);
void SelectWeaponX(Game& g);
void SelectWeaponC(Game& g);

}  // namespace korvela
