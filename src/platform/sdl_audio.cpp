#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/midi_length.h"
#include "platform/music_command.h"
#include "platform/quiet_stderr.h"
#include "platform/regular_file.h"
#include "platform/sound_font.h"

namespace platform {

namespace {

constexpr const char* kAlias = "MIDI";
constexpr int kEffectChannel = 0;
// No music or effect of the game comes near this; a larger file is taken as damaged.
constexpr size_t kLargestSoundFile = 64 << 20;

// Opens the audio device; on failure returns SDL's reason.
bool OpenDevice(std::string* reason) {
  QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    *reason = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    *reason = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

SdlAudio::SdlAudio(const std::filesystem::path& soundFont) {
  std::string reason;
  if (!OpenDevice(&reason)) {
    std::cerr << "korvela: no audio device (" << reason << "); the game plays silently\n";
    return;
  }
  deviceOpen_ = true;
  Mix_AllocateChannels(1);

  const char* env = std::getenv("SDL_SOUNDFONTS");
  const std::filesystem::path font =
      FindSoundFont(soundFont, env ? env : "", UsualSoundFontFolders());
  if (font.empty()) {
    if (soundFont.empty()) {
      std::cerr << "korvela: no SoundFont found (install timgm6mb-soundfont or use --soundfont "
                   "FILE); the music is silent\n";
    } else {
      std::cerr << "korvela: the SoundFont " << soundFont << " does not exist; the music is "
                << "silent\n";
    }
    return;
  }
  std::string why;
  if (!LooksLikeSoundFont(font, &why)) {
    std::cerr << "korvela: the SoundFont " << font << " cannot be loaded (" << why
              << "); the music is silent\n";
    return;
  }
  Mix_SetSoundFonts(font.c_str());
  soundFont_ = font;
  musicPossible_ = true;
}

SdlAudio::~SdlAudio() {
  if (!deviceOpen_) return;
  Mix_HaltChannel(-1);
  for (auto& [path, chunk] : effects_) {
    if (chunk) Mix_FreeChunk(chunk);
  }
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::NoteEnd() {
  // A track that has played to its end stands stopped at its end; only a play from the start
  // (or after a seek to the start) sounds it again.
  if (track_ != Track::Playing) return;
  const bool pastLastEvent = length_ && SDL_GetTicks64() - startedAt_ >= *length_;
  if (pastLastEvent || !Mix_PlayingMusic()) track_ = Track::Ended;
}

void SdlAudio::PlayFromStart() {
  Mix_HaltMusic();
  Mix_ResumeMusic();  // a paused mixer would hold the new start silent
  // The count is how many times the track plays: once, as the device does; the game's
  // one-second timer restarts it when it has run out.
  track_ = Mix_PlayMusic(music_, 1) == 0 ? Track::Playing : Track::Ended;
  startedAt_ = SDL_GetTicks64();
}

void SdlAudio::Resume() {
  Mix_ResumeMusic();
  startedAt_ = SDL_GetTicks64() - position_;
  track_ = Track::Playing;
}

std::string SdlAudio::SendMusicCommand(std::string_view command) {
  const auto c = ParseMusicCommand(command);
  if (!c || c->alias != kAlias || !musicPossible_) return "";
  using Verb = MusicCommand::Verb;
  if (c->verb == Verb::Open) {
    if (music_) return "";  // the alias is taken until it is closed
    if (!ReadSoundFile(c->path, &musicBytes_)) return "";
    // Only a standard MIDI file reaches the synthesiser, which would take anything else and
    // fail later, or worse.
    length_ = MidiLengthMs(musicBytes_);
    if (!length_) {
      SayOnce(c->path, "not a standard MIDI file");
      musicBytes_.clear();
      return "";
    }
    {
      QuietStderr quiet;  // the synthesiser's own warnings
      music_ = Mix_LoadMUS_RW(
          SDL_RWFromConstMem(musicBytes_.data(), static_cast<int>(musicBytes_.size())), 1);
    }
    if (!music_) {
      // A sound MIDI file that still cannot be loaded points at the SoundFont: one line, and
      // the music stays silent from then on.
      std::cerr << "korvela: the SoundFont " << soundFont_ << " cannot be loaded ("
                << Mix_GetError() << "); the music is silent\n";
      musicPossible_ = false;
      musicBytes_.clear();
      return "";
    }
    track_ = Track::AtStart;
    return "";
  }
  if (!music_) return "";
  NoteEnd();
  switch (c->verb) {
    case Verb::Close:
      Mix_HaltMusic();
      Mix_ResumeMusic();
      Mix_FreeMusic(music_);
      music_ = nullptr;
      musicBytes_.clear();
      return "";
    case Verb::Play:
      if (track_ == Track::AtStart) PlayFromStart();
      if (track_ == Track::Paused) Resume();
      return "";
    case Verb::PlayFromStart:
      PlayFromStart();
      return "";
    case Verb::Stop:
      if (track_ == Track::Playing) {
        Mix_PauseMusic();  // keeps the place, as the device's stop does
        position_ = SDL_GetTicks64() - startedAt_;
        track_ = Track::Paused;
      }
      return "";
    case Verb::SeekToStart:
      Mix_HaltMusic();
      Mix_ResumeMusic();
      track_ = Track::AtStart;
      return "";
    case Verb::Status:
      return track_ == Track::Playing ? "playing" : "stopped";
    case Verb::Open:
      break;
  }
  return "";
}

void SdlAudio::SetVolumes(int music, int effects) {
  if (!deviceOpen_) return;
  Mix_VolumeMusic(std::clamp(music, 0, 100) * MIX_MAX_VOLUME / 100);
  Mix_Volume(-1, std::clamp(effects, 0, 100) * MIX_MAX_VOLUME / 100);
}

void SdlAudio::PlaySound(const std::filesystem::path& wav) {
  if (!deviceOpen_) return;
  auto [it, fresh] = effects_.try_emplace(wav.string(), nullptr);
  std::string bytes;
  if (fresh && ReadSoundFile(wav, &bytes)) {
    it->second =
        Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (!it->second) SayOnce(wav, Mix_GetError());
  }
  if (it->second) Mix_PlayChannel(kEffectChannel, it->second, 0);
}

bool SdlAudio::ReadSoundFile(const std::filesystem::path& path, std::string* bytes) {
  FileBytes file = ReadRegularFile(path, kLargestSoundFile + 1);
  // A missing file is silent, as the game has always been without its sounds; anything else
  // there is worth a line.
  if (file.problem == FileBytes::Problem::Missing) return false;
  if (!file.Ok()) {
    SayOnce(path, file.why);
    return false;
  }
  if (file.bytes.size() > kLargestSoundFile) {
    SayOnce(path, "the file is larger than any sound of the game");
    return false;
  }
  *bytes = std::move(file.bytes);
  return true;
}

void SdlAudio::SayOnce(const std::filesystem::path& path, std::string_view why) {
  if (!told_.insert(path.string()).second) return;
  std::cerr << "korvela: the sound " << path.string() << " cannot be played (" << why
            << "); it stays silent\n";
}

}  // namespace platform
