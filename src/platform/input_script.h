#pragma once
// Input scripts: what the player pressed, one event per line.
//
// The timed form, written by hand and by the test tools: "<ms> down|up <Key>" or "<ms> quit",
// with times on the game's clock.
//
// The moment form, written by --record: a first line "format moments", then "seed N" and
// "save none|<hex bytes>" (the random seed and the save file the game started from), then
// "<n> down|up <Key>" or "<n> quit", where n counts the key queries and yields the game had
// made when the change reached it. Because it names the game's own moments rather than the
// wall clock, a session replays exactly however fast or slow the machine that recorded it was.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"

namespace platform {

struct InputEvent {
  enum class Kind { Down, Up, Quit };
  uint32_t ms = 0;  // the timed form: when, on the game's clock
  Kind kind = Kind::Down;
  Key key = Key::Space;
  uint64_t moment = 0;  // the moment form: before the game's key query or yield number `moment`
};

struct InputScript {
  bool byMoment = false;
  std::optional<uint32_t> seed;
  // The save the game started from; an empty one means there was none. Unset: not known.
  std::optional<std::vector<uint8_t>> startSave;
  std::vector<InputEvent> events;  // in order (stable for equal times or moments)
};

// Parses a whole file of either form. Blank lines and lines starting with '#' are skipped. On a
// bad line returns nullopt and fills *error with the line number and what is wrong.
std::optional<InputScript> ParseInputFile(std::string_view text, std::string* error);

// Parses a script of the timed form only.
std::optional<std::vector<InputEvent>> ParseInputScript(std::string_view text, std::string* error);

// Reads and parses a file of either form (a regular file only; a folder or FIFO is refused). On
// failure returns nullopt and fills *error naming the file.
std::optional<InputScript> LoadInputScript(const std::filesystem::path& path, std::string* error);

// A line for a message: quoted, control bytes escaped, at most 60 bytes of it shown.
std::string QuotedLine(std::string_view line);

// One event as a line of the timed or the moment form, without the newline.
std::string FormatInputEvent(const InputEvent& e, bool byMoment = false);

// The first lines of a file in the moment form, each ending in a newline.
std::string FormatRecordingHeader(uint32_t seed, const std::optional<std::vector<uint8_t>>& save);

}  // namespace platform
