#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/midi_length.h"
#include "platform/music_command.h"
#include "platform/quiet_stderr.h"
#include "platform/sound_font.h"

namespace platform {

namespace {

constexpr const char* kAlias = "MIDI";
constexpr int kEffectChannel = 0;

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
  Mix_SetSoundFonts(font.c_str());
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
    music_ = Mix_LoadMUS(c->path.c_str());
    length_ = MidiFileLengthMs(c->path);
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
  if (fresh) it->second = Mix_LoadWAV(it->first.c_str());
  if (it->second) Mix_PlayChannel(kEffectChannel, it->second, 0);
}

}  // namespace platform
