#pragma once
// The story scenes.
#include "game/game.h"

namespace korvela {

// The opening story of a new game; the frame loop starts after it.
void OpeningScene(Game& g);
// The ending story and the staff roll; the title screen follows.
void EndingScene(Game& g);

}  // namespace korvela
