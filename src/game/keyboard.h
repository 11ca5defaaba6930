#pragma once
// Reading the keyboard: every routine polls the keys it needs when it runs.

#include "game/game.h"

namespace korvela {

// True when the key is held now or was pressed since the previous query of it.
bool KeyPressed(Game& g, platform::Key key);
// Two keys tested together: both 16-bit answers ANDed, so both must be in the same state.
bool KeysPressedTogether(Game& g, platform::Key a, platform::Key b);
// The arrow keys as a direction code '0'..'8' (1 up, 3 right, 5 down, 7 left, even codes the
// diagonals clockwise from up-right).
char ReadDirection(Game& g);
// Forgets the presses of the game's keys made before this point.
void FlushKeys(Game& g);

}  // namespace korvela
