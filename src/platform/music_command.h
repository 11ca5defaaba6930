#pragma once
// The media command strings the game sends to its MIDI device, parsed into what they ask for.
// Both platforms understand the same small set.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct MusicCommand {
  enum class Verb { Open, Close, Play, PlayFromStart, Stop, Status, SeekToStart };
  Verb verb = Verb::Close;
  std::string alias;  // the device alias, e.g. MIDI
  std::string path;   // Open only
};

// Understands: open "PATH" alias A | close A [notify] | play A [notify] | play A from 0 |
// stop A [notify] | status A mode | seek A to start. Anything else gives nullopt.
std::optional<MusicCommand> ParseMusicCommand(std::string_view command);

}  // namespace platform
