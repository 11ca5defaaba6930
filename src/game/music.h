#pragma once
// Music and sound effects. One MIDI track at a time under the device alias MIDI, restarted by
// the one-second timer whenever it has run out, so every track loops; WAV effects that replace
// one another.

#include <string_view>

#include "game/game.h"

namespace korvela {

void BgmOpen(Game& g, std::string_view name);  // closes what is open, opens Sound/name
void BgmClose(Game& g);
void BgmPlay(Game& g);          // BgmPlaying = -1, then play
void BgmStop(Game& g);          // BgmPlaying = 0, then stop (the file stays open)
void Bgm_Check_Timer(Game& g);  // restarts a track that has ended while it should play
void PlaySe(Game& g, std::string_view name);
void PlaySe2(Game& g, std::string_view name);  // the same; used for enemies and bosses

}  // namespace korvela
