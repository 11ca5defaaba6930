#pragma once
// The message window: typed text with its mark-up codes.
#include <string_view>

#include "game/game.h"

namespace korvela {

// Draws the window, types the text in it and pauses 500 ms after its end.
void ShowMessage(Game& g, std::u32string_view text);
// Types the text as if in a window at (left, top), without drawing the window and without the
// pause after it: the lines start at (left + 15, top + 10).
void TypeMessage(Game& g, std::u32string_view text, int left, int top);

}  // namespace korvela
