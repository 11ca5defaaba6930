#pragma once
// The JSON-lines log of a run: one object per line for every observable effect, each with its
// time in milliseconds: caption changes, sounds, music commands, files written, screenshots,
// errors, and a small state record at the end of every frame. The headless game writes it with
// its virtual time; the real window can write it too, so that a session can be set beside its
// headless replay.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform {

class EventLog {
 public:
  // Creates (or empties) the file. Returns false when it cannot be written. With
  // `lineByLine`, every line reaches the file at once (for a log read while the game runs).
  bool Open(const std::filesystem::path& path, bool lineByLine = false);
  bool IsOpen() const { return out_.is_open(); }
  void Effect(uint64_t ms, std::string_view what, std::string_view detail);
  void Frame(uint64_t ms, const FrameRecord& r);
  void Close();

 private:
  void Line(const std::string& json);

  std::ofstream out_;
  bool lineByLine_ = false;
};

// A JSON string literal for text.
std::string JsonString(std::string_view text);
// A JSON number, or null for NaN and infinities (which JSON cannot hold).
std::string JsonNumber(float value);

}  // namespace platform
