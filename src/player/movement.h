#pragma once
// Moving the heroine: top-down walking and side-view running, jumping and falling.
#include "game/game.h"

namespace korvela {

void MovePlayer(Game& g);

}  // namespace korvela
