#include "platform/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>
#include <deque>
#include <functional>
#include <iostream>
#include <optional>

#include "platform/error_page.h"
#include "platform/event_log.h"
#include "platform/font.h"
#include "platform/input_script.h"
#include "platform/quiet_stderr.h"
#include "platform/screenshot.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_input.h"
#include "platform/sdl_screen.h"

namespace platform {

namespace {

// The music timer of the window.
constexpr uint64_t kMusicTimerMs = 1000;

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

// Alt+1 to Alt+4: the window at 1 to 4 times the play screen; 0 for any other key.
int SizePreset(const SDL_Keysym& k) {
  if (!(k.mod & KMOD_ALT) || k.sym < SDLK_1 || k.sym > SDLK_4) return 0;
  return k.sym - SDLK_0;
}

}  // namespace

// How long the caption names a screenshot's file.
constexpr uint64_t kNoticeMs = 2000;

struct SdlPlatform::Impl {
  SdlOptions options;
  std::unique_ptr<SdlScreen> screen;
  std::unique_ptr<SdlAudio> audio;
  std::unique_ptr<SdlInput> input;
  std::array<bool, kKeyCount> held{};
  std::array<bool, kKeyCount> pressed{};
  std::deque<int> releases;  // virtual-key codes waiting for Yield
  bool closing = false;
  bool focused = true;
  uint64_t lastTimerTick = 0;
  // Passes a key change or the close to the recording, with the game's moment.
  std::function<void(InputEvent::Kind, Key)> note;
  EventLog log;              // with --log: what the game did, on the window's clock
  std::string caption;       // the game's caption
  uint64_t noticeUntil = 0;  // while the caption names a screenshot instead

  ~Impl() {
    input.reset();
    audio.reset();
    screen.reset();
    SDL_Quit();
  }

  // Takes everything the desktop has sent: keys go into the key state, closing is noted, and
  // the picture is redrawn when the window needs it. Nothing reaches the game from here.
  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_KEYDOWN && WindowKey(e.key)) continue;
      if (input->Handle(e)) continue;
      switch (e.type) {
        case SDL_QUIT:
          Close();
          break;
        case SDL_WINDOWEVENT:
          WindowEvent(e.window);
          break;
        default:
          break;
      }
    }
    if (noticeUntil && SDL_GetTicks64() >= noticeUntil) {
      noticeUntil = 0;
      screen->SetTitle(caption);
    }
  }

  void WindowEvent(const SDL_WindowEvent& w) {
    if (w.event == SDL_WINDOWEVENT_CLOSE) Close();
    if (w.event == SDL_WINDOWEVENT_SIZE_CHANGED || w.event == SDL_WINDOWEVENT_EXPOSED) {
      screen->Redraw();
    }
    if (w.event == SDL_WINDOWEVENT_SIZE_CHANGED || w.event == SDL_WINDOWEVENT_MOVED) {
      screen->Moved();
    }
    if (w.event == SDL_WINDOWEVENT_FOCUS_GAINED || w.event == SDL_WINDOWEVENT_FOCUS_LOST) {
      focused = w.event == SDL_WINDOWEVENT_FOCUS_GAINED;
      ApplyVolumes();
    }
  }

  void ApplyVolumes() {
    const bool silent = options.muteWhenUnfocused && !focused;
    audio->SetVolumes(silent ? 0 : options.musicVolume, silent ? 0 : options.effectsVolume);
  }

  // F11 and Alt+Enter (fullscreen), Alt+1 to Alt+4 (window size) and F12 (screenshot) belong
  // to the window, not the game.
  bool WindowKey(const SDL_KeyboardEvent& e) {
    if (IsFullscreenToggle(e.keysym)) {
      if (!e.repeat) screen->ToggleFullscreen();
      return true;
    }
    if (const int scale = SizePreset(e.keysym)) {
      if (!e.repeat) screen->SetScale(scale);
      return true;
    }
    if (e.keysym.sym != SDLK_F12) return false;
    if (!e.repeat) Screenshot();
    return true;
  }

  void Screenshot() {
    std::string error;
    const int scale = options.scaledScreenshots ? screen->Scale() : 1;
    const auto path =
        WriteScreenshot(screen->Frame(), scale, options.screenshotDir, std::time(nullptr), &error);
    if (path.empty()) {
      std::cerr << "korvela: no screenshot: " << error << "\n";
      return;
    }
    std::cerr << "korvela: screenshot " << path.string() << "\n";
    screen->SetTitle("スクリーンショット: " + path.string());
    noticeUntil = SDL_GetTicks64() + kNoticeMs;
  }

  void KeyChanged(Key key, bool down) {
    const int i = static_cast<int>(key);
    held[i] = down;
    if (down) {
      pressed[i] = true;
    } else {
      releases.push_back(VirtualKeyCode(key));
    }
    note(down ? InputEvent::Kind::Down : InputEvent::Kind::Up, key);
  }

  void Close() {
    if (closing) return;
    closing = true;
    note(InputEvent::Kind::Quit, Key::Escape);
  }

  // Until a key, a mouse button or a controller button is pressed, or the window is closed.
  // What was pressed before the error page showed does not count.
  void WaitForDismissal() {
    if (closing) return;
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
    SDL_FlushEvents(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP);
    SDL_Event e;
    for (;;) {
      if (!SDL_WaitEvent(&e)) return;
      switch (e.type) {
        case SDL_KEYDOWN:
          if (!e.key.repeat) return;
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_QUIT:
          return;
        case SDL_WINDOWEVENT:
          if (e.window.event == SDL_WINDOWEVENT_CLOSE) return;
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
};

SdlPlatform::SdlPlatform() : impl_(std::make_unique<Impl>()) {}
SdlPlatform::~SdlPlatform() = default;

std::unique_ptr<SdlPlatform> SdlPlatform::Create(const SdlOptions& options, std::string* error) {
  bool started, display;
  {
    QuietStderr quiet;
    started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0;
    // Controllers are welcome but not needed.
    if (started) SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
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
  s.options = options;
  Impl* impl = &s;
  SdlPlatform* platform = p.get();
  s.note = [platform](InputEvent::Kind kind, Key key) { platform->NoteInput(kind, key); };
  s.input = std::make_unique<SdlInput>(options.bindings,
                                       [impl](Key key, bool down) { impl->KeyChanged(key, down); });
  s.screen = SdlScreen::Open(options.scale, options.window, options.paint, error);
  if (!s.screen) {
    *error += "; run with --headless to play without a window";
    return nullptr;
  }
  // Read while the game runs (tests follow the session by it), so every line is written at once.
  if (!options.logPath.empty() && !s.log.Open(options.logPath, /*lineByLine=*/true)) {
    *error = "cannot write the log " + options.logPath.string();
    return nullptr;
  }
  // The game reads keys, not text: an input method (common with Japanese desktops) must not
  // take the letter keys.
  SDL_StopTextInput();
  s.audio = std::make_unique<SdlAudio>(options.soundFont);
  s.ApplyVolumes();
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
  CountMoment();
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
  CountMoment();
  return state;
}

void SdlPlatform::Present(const Surface& crt) { impl_->screen->Show(crt); }

void SdlPlatform::SetCaption(std::string_view utf8) {
  impl_->log.Effect(SDL_GetTicks64(), "caption", utf8);
  impl_->caption = utf8;
  if (!impl_->noticeUntil) impl_->screen->SetTitle(utf8);
}

int SdlPlatform::OpenControllers() const { return impl_->input->OpenControllers(); }

WindowPlace SdlPlatform::Window() const { return impl_->screen->Place(); }

std::string SdlPlatform::SendMusicCommand(std::string_view command) {
  impl_->log.Effect(SDL_GetTicks64(), "music", command);
  return impl_->audio->SendMusicCommand(command);
}

void SdlPlatform::PlaySound(const std::filesystem::path& wav) {
  impl_->log.Effect(SDL_GetTicks64(), "sound", wav.filename().string());
  impl_->audio->PlaySound(wav);
}

void SdlPlatform::NoteFileWritten(const std::filesystem::path& path) {
  impl_->log.Effect(SDL_GetTicks64(), "file", path.string());
}

void SdlPlatform::NoteFrame(const FrameRecord& record) {
  impl_->log.Frame(SDL_GetTicks64(), record);
}

void SdlPlatform::ShowError(std::string_view message) {
  std::cerr << "korvela: " << message << "\n";
  impl_->log.Effect(SDL_GetTicks64(), "error", message);
  std::string error;
  const auto font = Font::Open(14, true, &error);
  if (!font) {
    // Without the game's face the desktop's box is all there is.
    std::cerr << "korvela: " << error << "\n";
    impl_->screen->ShowMessage(message);
    return;
  }
  impl_->screen->Show(ErrorPage(message, *font));
  impl_->WaitForDismissal();
}

}  // namespace platform
