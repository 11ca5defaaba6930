#pragma once
// The title screen, and starting a new or a continued game.

#include "shell/game.h"

namespace korvela {

// Waits for Space (new game) or C (continue) and sets the game up; returns when the frame loop
// should start.
void TitleScreen(Game& g);
void NewGame(Game& g);
void ContinueGame(Game& g);

}  // namespace korvela
