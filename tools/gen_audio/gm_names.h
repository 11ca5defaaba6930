#pragma once
// General MIDI instrument and percussion names as the song sources write them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace gen_audio {

// "flute" -> 73: the General MIDI program number, 0-based.
std::optional<uint8_t> ProgramNamed(std::string_view name);

// "snare" -> 38: the key of that sound on the drum channel.
std::optional<uint8_t> DrumNamed(std::string_view name);

}  // namespace gen_audio
