#pragma once
// The playing time of a standard MIDI file, so the headless platform can tell when a track ends.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// Milliseconds from the first event to the last, following the file's tempo changes.
// nullopt when the bytes are not a standard MIDI file (format 0 or 1, ticks per quarter note).
std::optional<uint32_t> MidiLengthMs(std::string_view bytes);
std::optional<uint32_t> MidiFileLengthMs(const std::filesystem::path& path);

}  // namespace platform
