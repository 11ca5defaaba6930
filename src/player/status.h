#pragma once
// The heroine on screen: sprite, gauges, status box, caption line and levelling.
#include <string>

#include "shell/game.h"

namespace korvela {

void DrawPlayer(Game& g);
void DrawGauges(Game& g);
void CheckLevelUp(Game& g);
// The status line of the window caption.
std::string CaptionText(const Game& g);
void UpdateCaption(Game& g);
void ShowStatus(Game& g);

}  // namespace korvela
