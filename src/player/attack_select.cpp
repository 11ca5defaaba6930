#include "player/attack_select.h"

namespace korvela {

void DrawWeaponIcons(Game&) {}  // being built
void SelectWeaponX(Game&) {}    // being built
void SelectWeaponC(Game&) {}    // being built

}  // namespace korvela
