#pragma once
// Input scripts: what the player pressed, one event per line, "<ms> down|up <Key>" or "<ms> quit",
// with times on the game's clock. The headless platform replays them; the real window records
// them with --record.

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
  uint32_t ms = 0;
  Kind kind = Kind::Down;
  Key key = Key::Space;
};

// Parses a whole script. Blank lines and lines starting with '#' are skipped. On a bad line
// returns nullopt and fills *error with the line number and what is wrong. Events are kept in
// time order (stable for equal times).
std::optional<std::vector<InputEvent>> ParseInputScript(std::string_view text, std::string* error);

// Reads and parses a script file (a regular file only; a folder or FIFO is refused). On failure
// returns nullopt and fills *error naming the file.
std::optional<std::vector<InputEvent>> LoadInputScript(const std::filesystem::path& path,
                                                       std::string* error);

// A line for a message: quoted, control bytes escaped, at most 60 bytes of it shown.
std::string QuotedLine(std::string_view line);

// One event as a script line, without the newline.
std::string FormatInputEvent(const InputEvent& e);

}  // namespace platform
