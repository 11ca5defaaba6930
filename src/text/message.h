#pragma once
// The message window: typed text with its mark-up codes.
#include <string_view>

#include "game/game.h"

namespace korvela {

void ShowMessage(Game& g, std::u32string_view text);

}  // namespace korvela
