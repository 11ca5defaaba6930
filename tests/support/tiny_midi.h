#pragma once
// A minimal standard MIDI file for tests: one track of equal notes at a given tempo.

#include <cstdint>
#include <filesystem>
#include <string>

namespace korvela::testing {

// `notes` quarter notes of middle C and its neighbours at `microsPerQuarter`, 480 ticks each.
std::string TinyMidi(int notes, uint32_t microsPerQuarter = 500000);

}  // namespace korvela::testing
