// The real window and audio, run on SDL's display-less video driver so that no desktop is
// needed; the music is rendered by the real mixer and synthesiser.

#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/input_script.h"
#include "platform/sdl_screen.h"
#include "platform/sound_font.h"
#include "support/recording_events.h"
#include "support/temp_files.h"
#include "support/tiny_midi.h"

namespace platform {

void PrintTo(PaintWay way, std::ostream* out) {
  *out << (way == PaintWay::Renderer ? "renderer" : "window surface");
}

namespace {

namespace fs = std::filesystem;
using korvela::testing::FreshTempDir;
using korvela::testing::RecordingEvents;
using korvela::testing::TinyMidi;
using korvela::testing::WriteFile;

void PushKey(bool down, SDL_Keycode sym, bool repeat = false, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.type = e.type;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat;
  e.key.keysym.sym = sym;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

// The one window the platform opened.
SDL_Window* TheWindow() {
  for (Uint32 id = 1; id < 1000; ++id) {
    if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
  }
  return nullptr;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A mono 16-bit WAV of `samples` samples of a square wave.
std::string SquareWav(uint32_t samples) {
  std::string data;
  for (uint32_t i = 0; i < samples; ++i) {
    const int16_t v = (i / 50) % 2 ? 8000 : -8000;
    data += static_cast<char>(v & 0xFF);
    data += static_cast<char>((v >> 8) & 0xFF);
  }
  auto le = [](uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const auto size = static_cast<uint32_t>(data.size());
  return "RIFF" + le(36 + size, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) +
         le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(size, 4) + data;
}

void Record(Platform& p, const fs::path& path) {
  std::string error;
  auto recorder = InputRecorder::Open(path, FormatRecordingHeader(7, std::nullopt), &error);
  ASSERT_TRUE(recorder) << error;
  p.RecordInput(std::move(recorder));
}

bool HaveSoundFont() {
  const char* env = std::getenv("SDL_SOUNDFONTS");
  return !FindSoundFont({}, env ? env : "", UsualSoundFontFolders()).empty();
}

class SdlPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    dir_ = FreshTempDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<SdlPlatform> Open(const SdlOptions& options = {}) {
    std::string error;
    auto p = SdlPlatform::Create(options, &error);
    EXPECT_TRUE(p) << error;
    return p;
  }

  fs::path dir_;
};

TEST_F(SdlPlatformTest, KeysAreHeldAndPressedOnceButReleasesWaitForYield) {
  auto p = Open();
  Record(*p, dir_ / "keys.txt");
  RecordingEvents events;
  p->SetEventHandler(&events);

  PushKey(true, SDLK_RIGHT);
  KeyState s = p->QueryKey(Key::Right);
  EXPECT_TRUE(s.held && s.pressedSinceLastQuery);
  PushKey(true, SDLK_RIGHT, /*repeat=*/true);
  s = p->QueryKey(Key::Right);
  EXPECT_TRUE(s.held && !s.pressedSinceLastQuery) << "the desktop's key repeat is no new press";
  PushKey(false, SDLK_RIGHT);
  EXPECT_FALSE(p->QueryKey(Key::Right).Any());

  // A tap between two queries counts once; its release reaches the game in Yield only.
  PushKey(true, SDLK_x);
  PushKey(false, SDLK_x);
  p->Sleep(20);
  s = p->QueryKey(Key::X);
  EXPECT_TRUE(!s.held && s.pressedSinceLastQuery);
  EXPECT_FALSE(p->QueryKey(Key::X).Any());
  PushKey(true, SDLK_a);  // not a key of the game
  PushKey(false, SDLK_a);
  EXPECT_TRUE(events.seen.empty());
  p->Yield();
  EXPECT_EQ(events.seen, (std::vector<std::string>{"keyup 39", "keyup 88"}));

  // Every key of the game maps, by its label.
  const std::pair<SDL_Keycode, Key> all[] = {{SDLK_UP, Key::Up},     {SDLK_DOWN, Key::Down},
                                             {SDLK_LEFT, Key::Left}, {SDLK_SPACE, Key::Space},
                                             {SDLK_z, Key::Z},       {SDLK_v, Key::V},
                                             {SDLK_c, Key::C},       {SDLK_s, Key::S},
                                             {SDLK_d, Key::D},       {SDLK_ESCAPE, Key::Escape}};
  for (auto [sym, key] : all) {
    PushKey(true, sym);
    EXPECT_TRUE(p->QueryKey(key).held) << KeyName(key);
  }
  p.reset();

  // The record tags each change with the key query or yield that first saw it (counted from
  // 0); the tap taken during the sleep belongs to the query after it.
  std::string error;
  const auto script = ParseInputFile(ReadAll(dir_ / "keys.txt"), &error);
  ASSERT_TRUE(script) << error;
  EXPECT_TRUE(script->byMoment);
  EXPECT_EQ(script->seed, 7u);
  std::string lines;
  for (const auto& e : script->events) lines += FormatInputEvent(e, true) + "\n";
  EXPECT_EQ(lines,
            "0 down Right\n2 up Right\n3 down X\n3 up X\n6 down Up\n7 down Down\n8 down Left\n"
            "9 down Space\n10 down Z\n11 down V\n12 down C\n13 down S\n14 down D\n"
            "15 down Escape\n");
}

TEST_F(SdlPlatformTest, ClosingEndsTheProgramAtTheNextYieldAndCutsSleepsShort) {
  auto p = Open();
  Record(*p, dir_ / "keys.txt");
  RecordingEvents events;
  p->SetEventHandler(&events);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = SDL_GetWindowID(TheWindow());
  SDL_PushEvent(&close);
  const uint32_t before = p->Clock();
  p->Sleep(5000);
  EXPECT_LT(p->Clock() - before, 1000u);
  EXPECT_TRUE(events.seen.empty()) << "the close waits for Yield";
  EXPECT_THROW(p->Yield(), QuitRequested);
  EXPECT_EQ(events.seen, std::vector<std::string>{"close"});
  p.reset();
  EXPECT_NE(ReadAll(dir_ / "keys.txt").find("\n0 quit\n"), std::string::npos)
      << "a replay ends where the session did";

  // Without a handler (before the game set one) the close still ends the program.
  auto q = Open();
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  EXPECT_THROW(q->Yield(), QuitRequested);
}

TEST_F(SdlPlatformTest, MusicTimerTicksEverySecondAndCoalesces) {
  auto p = Open();
  RecordingEvents events;
  p->SetEventHandler(&events);
  p->Yield();
  EXPECT_TRUE(events.seen.empty());
  p->Sleep(2100);
  p->Yield();
  p->Yield();
  EXPECT_EQ(events.seen, std::vector<std::string>{"timer"}) << "two seconds, one tick";
}

// The window's real pixels, painted either way: through SDL's renderer (its software one here,
// which draws into the window's pixels) and by the processor straight into them.
// The window opens where it was left (fitted to the dummy display's 1024 x 768), Alt+1 to Alt+4
// size it by the play screen's multiples (no larger than the display, out of fullscreen), and
// it reports itself for the next start; the game hears none of those keys.
TEST_F(SdlPlatformTest, TheWindowOpensWhereItWasLeftAndAltDigitsSizeIt) {
  SdlOptions options;
  options.window = {700, 500, 30, 40, 0, false};
  auto p = Open(options);
  ASSERT_TRUE(p);
  const auto place = [&p] {
    const WindowPlace w = p->Window();
    return std::to_string(w.width) + "x" + std::to_string(w.height) + "+" + std::to_string(w.x) +
           "+" + std::to_string(w.y) + (w.fullscreen ? " full" : "");
  };
  EXPECT_EQ(place(), "700x500+30+40");
  const struct {
    SDL_Keycode key;
    Uint16 mod;
    const char* expected;
  } steps[] = {
      {SDLK_1, KMOD_LALT, "480x384+30+40"},
      {SDLK_3, KMOD_NONE, "480x384+30+40"},  // a digit alone is no preset
      {SDLK_4, KMOD_RALT, "960x768+30+0"},   // 4x does not fit: 2x, moved onto the display
      {SDLK_F11, KMOD_NONE, "960x768+30+0 full"},
      {SDLK_1, KMOD_LALT, "480x384+30+0"},  // out of fullscreen
  };
  for (const auto& step : steps) {
    PushKey(true, step.key, false, step.mod);
    PushKey(false, step.key, false, step.mod);
    p->Sleep(10);
    EXPECT_EQ(place(), step.expected) << SDL_GetKeyName(step.key);
  }
  for (int k = 0; k < kKeyCount; ++k) EXPECT_FALSE(p->QueryKey(static_cast<Key>(k)).Any());
  p.reset();

  options.window = {5000, 100, 9000, 9000, 7, true};  // from a larger desktop, now gone
  p = Open(options);
  ASSERT_TRUE(p);
  EXPECT_EQ(place(), "1024x384+0+192 full");  // centred on the only display
}

class SdlPaintTest : public SdlPlatformTest, public ::testing::WithParamInterface<PaintWay> {};

TEST_P(SdlPaintTest, PresentScalesByWholeMultiplesWithBlackBars) {
  SdlOptions options;
  options.paint = GetParam();
  auto p = Open(options);
  SDL_Window* window = TheWindow();
  ASSERT_TRUE(window);
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 960);
  EXPECT_EQ(h, 768);

  Surface crt(484, 388);
  for (int y = 0; y < crt.Height(); ++y) {
    for (int x = 0; x < crt.Width(); ++x) crt.Set(x, y, static_cast<Color>((x << 12) | y));
  }
  auto pixel = [&](int x, int y) {
    SDL_Surface* s = SDL_GetWindowSurface(window);
    const auto* row = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  };
  // Every pixel of the window: the frame scaled into the box, black around it.
  auto expectWindow = [&](ScreenRect box, const char* when) {
    SCOPED_TRACE(when);
    SDL_Surface* s = SDL_GetWindowSurface(window);
    ASSERT_TRUE(s);
    const int scale = box.w / kPlayWidth;
    int wrong = 0;
    for (int y = 0; y < s->h; ++y) {
      for (int x = 0; x < s->w; ++x) {
        const bool inBox = x >= box.x && x < box.x + box.w && y >= box.y && y < box.y + box.h;
        const Color expected = inBox ? crt.At((x - box.x) / scale, (y - box.y) / scale) : 0;
        if (pixel(x, y) != expected && ++wrong <= 3) {
          ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << pixel(x, y);
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  };
  p->Present(crt);
  expectWindow({0, 0, 960, 768}, "twice the play screen; only its top-left 480 x 384 shows");

  SDL_SetWindowSize(window, 1000, 800);
  p->Sleep(10);
  p->Present(crt);
  expectWindow({20, 16, 960, 768}, "bars after a resize");
  SDL_SetWindowSize(window, 1500, 1200);
  p->Sleep(10);
  expectWindow({30, 24, 1440, 1152}, "three times, repainted at the resize itself");

  // Uncovered: the window's pixels are lost and painted again from the last frame.
  SDL_FillRect(SDL_GetWindowSurface(window), nullptr, 0x123456);
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  exposed.window.windowID = SDL_GetWindowID(window);
  SDL_PushEvent(&exposed);
  p->Sleep(10);
  expectWindow({30, 24, 1440, 1152}, "repainted when uncovered");

  // F11 and Alt+Enter belong to the window: fullscreen on and off, no key for the game.
  PushKey(true, SDLK_F11);
  PushKey(false, SDLK_F11);
  p->Sleep(10);
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_Rect desktop;
  ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
  expectWindow(LetterboxRect(desktop.w, desktop.h), "fullscreen");
  PushKey(true, SDLK_RETURN, false, KMOD_LALT);
  p->Sleep(10);
  EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN);
  p->Present(crt);
  SDL_GetWindowSize(window, &w, &h);
  expectWindow(LetterboxRect(w, h), "back in the window");
  PushKey(true, SDLK_RETURN);
  p->Sleep(10);
  EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) << "Enter alone does nothing";
}

INSTANTIATE_TEST_SUITE_P(BothWays, SdlPaintTest,
                         ::testing::Values(PaintWay::Renderer, PaintWay::WindowSurface),
                         [](const ::testing::TestParamInfo<PaintWay>& way) {
                           return way.param == PaintWay::Renderer ? "Renderer" : "WindowSurface";
                         });

// SDL's software renderer would only scale on the processor too, less directly: left alone, the
// window is painted straight into its pixels. (A graphics card keeps the renderer.)
TEST(SdlPaintWay, AutomaticSkipsASoftwareRenderer) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  for (auto [way, expected] : {std::pair{PaintWay::Automatic, "window surface"},
                               std::pair{PaintWay::Renderer, "renderer software"},
                               std::pair{PaintWay::WindowSurface, "window surface"}}) {
    SDL_Window* window = SDL_CreateWindow("test", 0, 0, 960, 768, 0);
    ASSERT_TRUE(window) << SDL_GetError();
    std::string error;
    auto painter = OpenWindowPainter(window, way, &error);
    ASSERT_TRUE(painter) << error;
    EXPECT_EQ(painter->Describe(), expected);
    painter.reset();
    SDL_DestroyWindow(window);
  }
  SDL_Quit();
}

TEST_F(SdlPlatformTest, MusicDeviceKeepsTheClassicStatesOfATrack) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont installed (timgm6mb-soundfont)";
  WriteFile(dir_ / "short.mid", TinyMidi(2, 150000));  // 0.3 s
  const std::string open = "open \"" + (dir_ / "short.mid").string() + "\" alias MIDI";
  auto p = Open();
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "") << "nothing open";
  p->SendMusicCommand(open);
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "stopped");
  p->SendMusicCommand("play MIDI notify");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "playing");
  p->SendMusicCommand("stop MIDI notify");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "stopped");
  p->Sleep(500);
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "stopped") << "a stop holds the place";
  p->SendMusicCommand("play MIDI notify");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "playing");
  p->Sleep(1000);
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "stopped") << "played to its end";
  p->SendMusicCommand("play MIDI notify");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "stopped") << "at its end, play is idle";
  p->SendMusicCommand("seek MIDI to start");
  p->SendMusicCommand("play MIDI from 0");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "playing");
  p->SendMusicCommand(open);  // the alias is taken: the track stays
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "playing");
  EXPECT_EQ(p->SendMusicCommand("status OTHER mode"), "") << "only the one alias exists";
  p->SendMusicCommand("close MIDI notify");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "");
  EXPECT_FALSE(Mix_PlayingMusic());
  p->SendMusicCommand("open \"" + (dir_ / "missing.mid").string() + "\" alias MIDI");
  EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "") << "a missing file does not open";
}

TEST_F(SdlPlatformTest, MusicReallySounds) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont installed (timgm6mb-soundfont)";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (dir_ / "out.raw").c_str(), 1);
  WriteFile(dir_ / "tune.mid", TinyMidi(8, 250000));  // 2 s
  {
    auto p = Open();
    p->SendMusicCommand("open \"" + (dir_ / "tune.mid").string() + "\" alias MIDI");
    p->SendMusicCommand("play MIDI notify");
    p->Sleep(1500);
    EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "playing");
  }
  const std::string raw = ReadAll(dir_ / "out.raw");  // 16-bit stereo samples
  ASSERT_GT(raw.size(), 44100u) << "the device wrote less than a quarter second";
  size_t loud = 0;
  int peak = 0;
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    const int v = static_cast<int16_t>(static_cast<uint8_t>(raw[i]) |
                                       (static_cast<uint8_t>(raw[i + 1]) << 8));
    peak = std::max(peak, std::abs(v));
    loud += std::abs(v) > 1000;
  }
  EXPECT_GT(loud, raw.size() / 2 / 100) << "peak " << peak << " of " << raw.size() / 2;
}

TEST_F(SdlPlatformTest, EffectsShareOneChannelAndMissingOnesAreSilent) {
  WriteFile(dir_ / "long.wav", SquareWav(22050));
  WriteFile(dir_ / "short.wav", SquareWav(11025));
  auto p = Open();
  p->PlaySound(dir_ / "missing.wav");
  EXPECT_EQ(Mix_Playing(-1), 0);
  p->PlaySound(dir_ / "long.wav");
  ASSERT_EQ(Mix_Playing(-1), 1);
  const Uint32 longLength = Mix_GetChunk(0)->alen;
  p->PlaySound(dir_ / "short.wav");
  EXPECT_EQ(Mix_Playing(-1), 1) << "the new effect cuts off the old";
  EXPECT_LT(Mix_GetChunk(0)->alen, longLength);
}

}  // namespace
}  // namespace platform
