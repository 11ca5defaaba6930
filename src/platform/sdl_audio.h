#pragma once
// Music and sound effects over SDL_mixer: the MIDI device under its one alias, played through
// FluidSynth with a General MIDI SoundFont, and WAV effects on a single mixer channel so that a
// new effect cuts off the one playing.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

struct Mix_Chunk;
struct _Mix_Music;

namespace platform {

class SdlAudio {
 public:
  // Opens the audio device and picks the SoundFont (`soundFont` when the player named one,
  // otherwise the usual folders). Without an audio device or a SoundFont the game stays silent
  // and says so in one line on stderr. SDL itself must already be initialised.
  explicit SdlAudio(const std::filesystem::path& soundFont);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // The media command strings of the game (see music_command.h). Replies "playing" or
  // "stopped" to a status query of an open track; "" to everything else and to any command
  // about an alias with nothing open under it.
  std::string SendMusicCommand(std::string_view command);
  // Starts the effect on channel 0; a missing or unreadable file is silent (an unreadable or
  // damaged one is named once on stderr).
  void PlaySound(const std::filesystem::path& wav);
  // Volumes 0..100 of the music and of the effects.
  void SetVolumes(int music, int effects);

 private:
  // Where the open track stands. "Stopped" in the device's sense is every state but Playing.
  enum class Track { AtStart, Playing, Paused, Ended };
  void NoteEnd();
  void PlayFromStart();
  void Resume();
  // Reads a music or effect file whole; false (having said why, unless it is just missing) when
  // it is not a regular file of a sensible size.
  bool ReadSoundFile(const std::filesystem::path& path, std::string* bytes);
  // One line on stderr the first time a file fails.
  void SayOnce(const std::filesystem::path& path, std::string_view why);

  bool deviceOpen_ = false;
  bool musicPossible_ = false;  // the device is open and a SoundFont was found
  std::filesystem::path soundFont_;
  _Mix_Music* music_ = nullptr;  // the track open under the alias
  std::string musicBytes_;       // its file, which the mixer reads from while it is open
  Track track_ = Track::AtStart;
  // The track's playing time from its MIDI events. The synthesiser goes on sounding the last
  // notes' release after it, but the device counts the track as ended at its last event.
  std::optional<uint32_t> length_;
  uint64_t startedAt_ = 0;  // clock time at which the track's start played (while Playing)
  uint64_t position_ = 0;   // where a stopped track stands (while Paused)
  std::unordered_map<std::string, Mix_Chunk*> effects_;  // loaded once; null when unreadable
  std::unordered_set<std::string> told_;                 // files already named on stderr
};

}  // namespace platform
