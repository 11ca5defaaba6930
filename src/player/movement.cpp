#include "player/movement.h"

#include "shell/keyboard.h"

namespace korvela {

void MovePlayer(Game& g) { FlushKeys(g); }  // being built

}  // namespace korvela
