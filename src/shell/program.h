#pragma once
// The program from window load to close: title screen, frame loop, title screen, ...

#include "game/game.h"

namespace korvela {

// Runs until the window closes. Returns the process exit status: 0 after a close, 1 after a
// fatal error.
int RunProgram(Game& g);

}  // namespace korvela
