#include "platform/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <optional>

#include "platform/input_script.h"
#include "platform/quiet_stderr.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_screen.h"

namespace platform {

namespace {

// The music timer of the window.
constexpr uint64_t kMusicTimerMs = 1000;

std::optional<Key> GameKey(SDL_Keycode code) {
  switch (code) {
    case SDLK_UP:
      return Key::Up;
    case SDLK_DOWN:
      return Key::Down;
    case SDLK_LEFT:
      return Key::Left;
    case SDLK_RIGHT:
      return Key::Right;
    case SDLK_SPACE:
      return Key::Space;
    case SDLK_z:
      return Key::Z;
    case SDLK_v:
      return Key::V;
    case SDLK_x:
      return Key::X;
    case SDLK_c:
      return Key::C;
    case SDLK_s:
      return Key::S;
    case SDLK_d:
      return Key::D;
    case SDLK_ESCAPE:
      return Key::Escape;
    default:
      return std::nullopt;
  }
}

// SDL falls back to drawing into memory when there is no display; that counts as no display
// unless it was asked for by name (as tests do).
bool HasRealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  return asked && std::strstr(asked, driver);
}

// F11 and Alt+Enter belong to the window, not to the game.
bool IsFullscreenToggle(const SDL_Keysym& k) {
  if (k.sym == SDLK_F11) return true;
  return (k.sym == SDLK_RETURN || k.sym == SDLK_KP_ENTER) && (k.mod & KMOD_ALT);
}

}  // namespace

struct SdlPlatform::Impl {
  std::unique_ptr<SdlScreen> screen;
  std::unique_ptr<SdlAudio> audio;
  std::array<bool, kKeyCount> held{};
  std::array<bool, kKeyCount> pressed{};
  std::deque<int> releases;  // virtual-key codes waiting for Yield
  bool closing = false;
  uint64_t lastTimerTick = 0;
  std::ofstream record;

  ~Impl() {
    audio.reset();
    screen.reset();
    SDL_Quit();
  }

  // Takes everything the desktop has sent: keys go into the key state, closing is noted, and
  // the picture is redrawn when the window needs it. Nothing reaches the game from here.
  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      switch (e.type) {
        case SDL_KEYDOWN:
          KeyDown(e.key);
          break;
        case SDL_KEYUP:
          KeyUp(e.key);
          break;
        case SDL_QUIT:
          Close(e.quit.timestamp);
          break;
        case SDL_WINDOWEVENT:
          if (e.window.event == SDL_WINDOWEVENT_CLOSE) Close(e.window.timestamp);
          if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
              e.window.event == SDL_WINDOWEVENT_EXPOSED) {
            screen->Redraw();
          }
          break;
        default:
          break;
      }
    }
  }

  void KeyDown(const SDL_KeyboardEvent& e) {
    if (IsFullscreenToggle(e.keysym)) {
      if (!e.repeat) screen->ToggleFullscreen();
      return;
    }
    const auto key = GameKey(e.keysym.sym);
    if (!key) return;
    const int i = static_cast<int>(*key);
    if (held[i]) return;  // the desktop's key repeat
    held[i] = pressed[i] = true;
    Record({e.timestamp, InputEvent::Kind::Down, *key});
  }

  void KeyUp(const SDL_KeyboardEvent& e) {
    const auto key = GameKey(e.keysym.sym);
    if (!key) return;
    const int i = static_cast<int>(*key);
    if (!held[i]) return;
    held[i] = false;
    releases.push_back(VirtualKeyCode(*key));
    Record({e.timestamp, InputEvent::Kind::Up, *key});
  }

  void Close(uint32_t ms) {
    if (closing) return;
    closing = true;
    Record({ms, InputEvent::Kind::Quit, Key::Escape});
  }

  void Record(const InputEvent& event) {
    if (record.is_open()) record << FormatInputEvent(event) << std::endl;
  }
};

SdlPlatform::SdlPlatform() : impl_(std::make_unique<Impl>()) {}
SdlPlatform::~SdlPlatform() = default;

std::unique_ptr<SdlPlatform> SdlPlatform::Create(const SdlOptions& options, std::string* error) {
  bool started, display;
  {
    QuietStderr quiet;
    started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0;
    display = started && HasRealDisplay();
  }
  if (!display) {
    *error = "no display to open the window on";
    if (!started) *error += std::string(" (") + SDL_GetError() + ")";
    *error += "; run with --headless to play without one";
    SDL_Quit();
    return nullptr;
  }
  std::unique_ptr<SdlPlatform> p(new SdlPlatform());
  Impl& s = *p->impl_;
  s.screen = SdlScreen::Open(options.scale, options.paint, error);
  if (!s.screen) {
    *error += "; run with --headless to play without a window";
    return nullptr;
  }
  if (options.fullscreen) s.screen->ToggleFullscreen();
  // The game reads keys, not text: an input method (common with Japanese desktops) must not
  // take the letter keys.
  SDL_StopTextInput();
  if (!options.recordPath.empty()) {
    s.record.open(options.recordPath, std::ios::trunc);
    if (!s.record) {
      *error = "cannot write the key record " + options.recordPath.string();
      return nullptr;
    }
  }
  s.audio = std::make_unique<SdlAudio>(options.soundFont);
  s.lastTimerTick = SDL_GetTicks64();
  return p;
}

uint32_t SdlPlatform::Clock() { return SDL_GetTicks(); }

void SdlPlatform::Sleep(uint32_t ms) {
  const uint64_t end = SDL_GetTicks64() + ms;
  for (;;) {
    impl_->Pump();
    const uint64_t now = SDL_GetTicks64();
    // A close cuts the sleep short; the next Yield ends the program.
    if (impl_->closing || now >= end) return;
    // Wakes for the desktop's next event, so that the window answers at once, and otherwise
    // lies still: waking every few milliseconds to look cost more than drawing the frames.
    SDL_WaitEventTimeout(nullptr, static_cast<int>(end - now));
  }
}

void SdlPlatform::Yield() {
  Impl& s = *impl_;
  s.Pump();
  while (!s.releases.empty()) {
    const int code = s.releases.front();
    s.releases.pop_front();
    if (events_) events_->KeyUp(code);
  }
  const uint64_t now = SDL_GetTicks64();
  if (now - s.lastTimerTick >= kMusicTimerMs) {
    // Several seconds without a yield give one tick, not several.
    s.lastTimerTick = now - (now - s.lastTimerTick) % kMusicTimerMs;
    if (events_) events_->MusicTimer();
  }
  if (s.closing) {
    if (events_) events_->Close();
    throw QuitRequested{};
  }
}

KeyState SdlPlatform::QueryKey(Key key) {
  impl_->Pump();
  const int i = static_cast<int>(key);
  const KeyState state{impl_->held[i], impl_->pressed[i]};
  impl_->pressed[i] = false;
  return state;
}

void SdlPlatform::Present(const Surface& crt) { impl_->screen->Show(crt); }

void SdlPlatform::SetCaption(std::string_view utf8) { impl_->screen->SetTitle(utf8); }

std::string SdlPlatform::SendMusicCommand(std::string_view command) {
  return impl_->audio->SendMusicCommand(command);
}

void SdlPlatform::PlaySound(const std::filesystem::path& wav) { impl_->audio->PlaySound(wav); }

void SdlPlatform::ShowError(std::string_view message) {
  std::cerr << "korvela: " << message << "\n";
  impl_->screen->ShowMessage(message);
}

}  // namespace platform
