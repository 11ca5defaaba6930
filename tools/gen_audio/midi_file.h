#pragma once
// Standard MIDI files (format 1): a conductor track with tempo and meter, then one track per part.

#include <string>

#include "gen_audio/song.h"

namespace gen_audio {

// Every track closes with its end-of-track at the song's length, so a player that restarts the
// file when it ends keeps the beat.
std::string MidiBytes(const Song& song);

}  // namespace gen_audio
