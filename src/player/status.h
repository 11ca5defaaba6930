#pragma once
// The heroine on screen: sprite, gauges, status box, caption line and levelling.
#include <array>
#include <string>

#include "game/game.h"

namespace korvela {

// The heroine's pose cell from Chr (top-down) or Chr2 (side view), masked onto Crt.
void DrawPlayer(Game& g);
// The HP and MP gauges at the top of the play screen.
void DrawGauges(Game& g);
// At most one level per call: a stat grows by 10, the largest stat least likely.
void CheckLevelUp(Game& g);
// The status line of the window caption.
std::string CaptionText(const Game& g);
void UpdateCaption(Game& g);
// The three lines of the status box, numbers zero-padded.
std::array<std::string, 3> StatusLines(const Game& g);
// The status box with its three lines, shown at once.
void ShowStatus(Game& g);

}  // namespace korvela
