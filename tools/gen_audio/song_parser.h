#pragma once
// Reads the text notation of the music sources in sound/ (sound/README.md describes it).

#include <stdexcept>
#include <string>
#include <string_view>

#include "gen_audio/song.h"

namespace gen_audio {

// A mistake in a source: what() says what is wrong, line() where.
class SongError : public std::runtime_error {
 public:
  SongError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Throws SongError for anything it cannot read, for bar lines that fall inside a bar, and for
// parts of different lengths (the loop would stumble).
Song ParseSong(std::string_view text, const std::string& title);

}  // namespace gen_audio
