#pragma once
// A piece of music as the generator holds it between the text source and the MIDI file.

#include <cstdint>
#include <string>
#include <vector>

namespace gen_audio {

inline constexpr uint32_t kTicksPerQuarter = 480;
inline constexpr uint32_t kTicksPerWhole = 4 * kTicksPerQuarter;
inline constexpr uint8_t kDrumChannel = 9;  // channel 10 as musicians count

struct Note {
  uint32_t start = 0, length = 0;  // ticks
  uint8_t key = 60, velocity = 90;
};

// One instrument on one channel; it becomes one track of the MIDI file.
struct Part {
  std::string name;
  uint8_t channel = 0;
  uint8_t program = 0;  // General MIDI program, 0-based; unused on the drum channel
  uint8_t volume = 100, pan = 64, reverb = 40, chorus = 0;
  std::vector<Note> notes;
};

struct Song {
  std::string title;
  int tempo = 120;  // quarter notes per minute
  int meterTop = 4, meterBottom = 4;
  uint32_t length = 0;  // ticks; every part ends exactly here, so the loop restarts on the beat
  std::vector<Part> parts;

  uint32_t BarTicks() const { return kTicksPerWhole * meterTop / meterBottom; }
};

}  // namespace gen_audio
