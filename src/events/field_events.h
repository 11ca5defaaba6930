#pragma once
// What the codes of the map's second layer do under the heroine, and the search command.
#include "game/game.h"

namespace korvela {

void FieldEvents(Game& g);
void SearchCommand(Game& g);

}  // namespace korvela
