#pragma once
// The message window at the bottom of the play screen: a black box with a light grey outline
// and five lines of text, 24 pixels apart.
#include "game/game.h"
#include "text/markup.h"

namespace korvela {

constexpr int kMessageLeft = 10;
constexpr int kMessageTop = 240;
constexpr int kMessageWidth = 460;
constexpr int kMessageHeight = 130;
constexpr int kMessageLineHeight = 24;

// Fills the window black and outlines it, on Crt.
void DrawMessageWindow(Game& g);
// Prints the five lines over whatever is in the window (nothing is erased), in the play
// screen's font and text colour, for a window whose top-left corner is (left, top). Without a
// font nothing is printed.
void PrintMessageLines(Game& g, const MessageLines& lines, int left = kMessageLeft,
                       int top = kMessageTop);

}  // namespace korvela
