#pragma once
// The playing time of a standard MIDI file, so the headless platform can tell when a track ends.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// Milliseconds from the first event to the last, following the file's tempo changes.
// nullopt when the bytes are not a standard MIDI file (format 0 or 1, ticks per quarter note).
// A track longer than the 32-bit count of milliseconds gives the largest count.
std::optional<uint32_t> MidiLengthMs(std::string_view bytes);
// The same for a file; nullopt also when it is not a regular file or is larger than any music
// of the game (kLargestMidiFile bytes).
constexpr size_t kLargestMidiFile = 16 << 20;
std::optional<uint32_t> MidiFileLengthMs(const std::filesystem::path& path);

}  // namespace platform
