#pragma once
// The frame loop: 25 frames a second, the per-mode order of routines and the bookkeeping that no
// single routine owns (cool-downs, hurt window, MP regeneration, experience cap, death, Escape,
// ending and pacing).

#include "game/game.h"

namespace korvela {

// What one frame decided.
enum class FrameResult { Continue, GameEnded };

// The settings made every time the frame loop is entered.
void EnterGameLoop(Game& g);
// One frame, from clearing Crt to the sleep that paces it.
FrameResult RunFrame(Game& g);
// Enters and runs frames until the game ends (death, Escape, or the ending scene).
void GameLoop(Game& g);

// The mode-1 counters run at the end of every side-view frame.
void CoolDownCounters(Game& g);
// MP regeneration from INT, run once per frame.
void RegenerateMp(Game& g);

}  // namespace korvela
