#pragma once
// The story scenes. Each is a fixed script of pictures, music, pauses and dialogues that blocks
// until it is over; the only input they take is Space at the dialogues' page waits.
#include "game/game.h"

namespace korvela {

// The opening story of a new game; the frame loop starts after it, with the field's music.
void OpeningScene(Game& g);
// The ending story, then the staff roll; the title screen follows.
void EndingScene(Game& g);
// The credits and the bomb after them.
void StaffRoll(Game& g);

}  // namespace korvela
