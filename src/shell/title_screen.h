#pragma once
// The title screen, and starting a new or a continued game.

#include "game/game.h"

namespace korvela {

// Shows the title picture with its music and waits for Space (new game) or C (continue the
// saved game). Returns once a game has been set up; the frame loop runs next.
void TitleScreen(Game& g);
// The heroine's numbers at the start of a new game (story flag 20 is left as it was).
void SetNewGameRecord(PlayerRecord& p);
// Map "01", the starting numbers, mode 0 at view (90, 85), then the opening scene.
void NewGame(Game& g);
// The saved record, map "03", mode 2 at view (2, 19) and the town's music. Returns false, with
// the reason on stderr and nothing changed, when there is no usable save file.
bool ContinueGame(Game& g);

}  // namespace korvela
