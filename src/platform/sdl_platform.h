#pragma once
// The real window: SDL2 for the window, keys and timing, SDL_mixer with FluidSynth for the MIDI
// music and the WAV effects. The 480 x 384 play screen is scaled by whole multiples,
// letterboxed, with nearest-neighbour pixels; F11 or Alt+Enter toggles borderless fullscreen,
// Alt+1 to Alt+4 size the window to 1 to 4 times the play screen.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/input_bindings.h"
#include "platform/platform.h"
#include "platform/sdl_window_painter.h"
#include "platform/window_place.h"

namespace platform {

struct SdlOptions {
  int scale = 2;                               // window size as a multiple of 480 x 384
  WindowPlace window;                          // where the window was left last time
  std::filesystem::path soundFont;             // empty: search the usual SoundFont folders
  std::filesystem::path logPath;               // empty: no log of what the game did
  std::filesystem::path screenshotDir;         // where F12 writes its PNGs
  bool scaledScreenshots = false;              // as the window shows the picture, not 480 x 384
  int musicVolume = 100, effectsVolume = 100;  // 0..100
  bool muteWhenUnfocused = false;
  InputBindings bindings = DefaultBindings();
  PaintWay paint = PaintWay::Automatic;
};

class SdlPlatform : public Platform {
 public:
  // Opens the window and the audio. Returns nullptr and fills *error when there is no display;
  // a missing audio device or SoundFont only silences the game (one line on stderr).
  static std::unique_ptr<SdlPlatform> Create(const SdlOptions& options, std::string* error);
  ~SdlPlatform() override;

  uint32_t Clock() override;
  void Sleep(uint32_t ms) override;
  void Yield() override;
  KeyState QueryKey(Key key) override;
  void Present(const Surface& crt) override;
  void SetCaption(std::string_view utf8) override;
  std::string SendMusicCommand(std::string_view command) override;
  void PlaySound(const std::filesystem::path& wav) override;
  void ShowError(std::string_view message) override;
  void NoteFileWritten(const std::filesystem::path& path) override;
  void NoteFrame(const FrameRecord& record) override;
  // How many game controllers are open now (they come and go with hot-plugging).
  int OpenControllers() const;
  // The window's size, place and fullscreen now, to open it the same way next time.
  WindowPlace Window() const;

 private:
  SdlPlatform();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
