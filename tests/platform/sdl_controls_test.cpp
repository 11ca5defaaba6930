// The window's controls on SDL's display-less drivers: game controllers through SDL's virtual
// joystick (no device needed), remapped keys, volumes reaching the mixer, and F12's screenshot.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/image_io.h"
#include "platform/sdl_platform.h"
#include "support/recording_events.h"
#include "support/temp_files.h"

namespace platform {
namespace {

class SdlControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The dummy window never has the focus; controllers must still be heard.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
  }
  std::unique_ptr<SdlPlatform> Open(const SdlOptions& options = {}) {
    std::string error;
    auto p = SdlPlatform::Create(options, &error);
    EXPECT_TRUE(p) << error;
    return p;
  }
};

// A virtual controller with every button and axis of SDL's standard layout.
struct VirtualPad {
  int index = -1;
  SDL_Joystick* joystick = nullptr;
  VirtualPad() {
    index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
    if (index >= 0) joystick = SDL_JoystickOpen(index);
  }
  ~VirtualPad() { Unplug(); }
  void Unplug() {
    if (joystick) SDL_JoystickClose(joystick);
    joystick = nullptr;
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    index = -1;
  }
  void Button(SDL_GameControllerButton b, bool down) {
    SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
  }
  void Axis(SDL_GameControllerAxis a, int16_t value) {
    SDL_JoystickSetVirtualAxis(joystick, a, value);
  }
};

bool Held(SdlPlatform& p, Key key) { return p.QueryKey(key).held; }

// Every game key from the default pad layout: buttons, the d-pad and the left stick.
TEST_F(SdlControlsTest, TheVirtualPadPressesEachGameKey) {
  auto p = Open();
  ASSERT_TRUE(p);
  VirtualPad pad;
  ASSERT_TRUE(pad.joystick) << SDL_GetError();
  p->Sleep(20);
  ASSERT_EQ(p->OpenControllers(), 1);

  const struct {
    SDL_GameControllerButton button;
    Key key;
  } buttons[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, Key::Up},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Key::Down},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Key::Left},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Key::Right},
      {SDL_CONTROLLER_BUTTON_A, Key::Z},
      {SDL_CONTROLLER_BUTTON_X, Key::X},
      {SDL_CONTROLLER_BUTTON_B, Key::C},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Key::S},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Key::D},
      {SDL_CONTROLLER_BUTTON_Y, Key::Space},
      {SDL_CONTROLLER_BUTTON_START, Key::Space},
      {SDL_CONTROLLER_BUTTON_BACK, Key::Escape},
  };
  for (const auto& b : buttons) {
    pad.Button(b.button, true);
    p->Sleep(5);
    EXPECT_TRUE(Held(*p, b.key)) << SDL_GameControllerGetStringForButton(b.button);
    pad.Button(b.button, false);
    p->Sleep(5);
    EXPECT_FALSE(Held(*p, b.key)) << SDL_GameControllerGetStringForButton(b.button);
  }
  const struct {
    SDL_GameControllerAxis axis;
    int16_t value;
    Key key;
  } sticks[] = {{SDL_CONTROLLER_AXIS_LEFTY, -30000, Key::Up},
                {SDL_CONTROLLER_AXIS_LEFTY, 30000, Key::Down},
                {SDL_CONTROLLER_AXIS_LEFTX, -30000, Key::Left},
                {SDL_CONTROLLER_AXIS_LEFTX, 30000, Key::Right}};
  for (const auto& s : sticks) {
    pad.Axis(s.axis, s.value);
    p->Sleep(5);
    EXPECT_TRUE(Held(*p, s.key)) << s.value;
    pad.Axis(s.axis, static_cast<int16_t>(s.value > 0 ? 13000 : -13000));  // between thresholds
    p->Sleep(5);
    EXPECT_TRUE(Held(*p, s.key)) << "let go too soon";
    pad.Axis(s.axis, 0);
    p->Sleep(5);
    EXPECT_FALSE(Held(*p, s.key));
  }
}

// The d-pad and an arrow key hold Right together; it is released when both let go. Pulling
// the controller out releases what it held (the game hears the key-up) and closes it.
TEST_F(SdlControlsTest, HotPlugInAndOutReleasesWhatThePadHeld) {
  auto p = Open();
  ASSERT_TRUE(p);
  korvela::testing::RecordingEvents events;
  p->SetEventHandler(&events);
  EXPECT_EQ(p->OpenControllers(), 0);
  VirtualPad pad;
  p->Sleep(20);
  ASSERT_EQ(p->OpenControllers(), 1);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  p->Sleep(5);
  EXPECT_TRUE(Held(*p, Key::Right));
  pad.Unplug();
  p->Sleep(20);
  EXPECT_EQ(p->OpenControllers(), 0);
  EXPECT_FALSE(Held(*p, Key::Right));
  p->Yield();
  EXPECT_EQ(events.seen, std::vector<std::string>{"keyup 39"});
  VirtualPad again;
  p->Sleep(20);
  EXPECT_EQ(p->OpenControllers(), 1);
  p->SetEventHandler(nullptr);
}

void PushKey(bool down, SDL_Keycode sym) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.type = e.type;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = sym;
  SDL_PushEvent(&e);
}

// Remapped keyboard and pad: the new names press the key, the old ones no longer do.
TEST_F(SdlControlsTest, RemappedKeysPressTheGameKeys) {
  SdlOptions options;
  options.bindings.keyboard[static_cast<int>(Key::Z)] = "Left Shift, K";
  options.bindings.pad[static_cast<int>(Key::Z)] = "b";
  options.bindings.pad[static_cast<int>(Key::C)] = "leftx+";
  auto p = Open(options);
  ASSERT_TRUE(p);
  PushKey(true, SDLK_z);
  EXPECT_FALSE(p->QueryKey(Key::Z).Any());
  PushKey(true, SDLK_k);
  EXPECT_TRUE(Held(*p, Key::Z));
  PushKey(false, SDLK_k);
  PushKey(true, SDLK_LSHIFT);
  EXPECT_TRUE(Held(*p, Key::Z));
  PushKey(false, SDLK_LSHIFT);
  EXPECT_FALSE(Held(*p, Key::Z));

  VirtualPad pad;
  p->Sleep(20);
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  p->Sleep(5);
  EXPECT_FALSE(p->QueryKey(Key::Z).Any());
  pad.Button(SDL_CONTROLLER_BUTTON_B, true);
  p->Sleep(5);
  EXPECT_TRUE(Held(*p, Key::Z));
  EXPECT_FALSE(Held(*p, Key::C));
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  p->Sleep(5);
  EXPECT_TRUE(Held(*p, Key::C));
  EXPECT_TRUE(Held(*p, Key::Right));  // the stick still walks as well
}

// The settings' volumes reach the mixer; with mute-when-unfocused, losing the focus silences
// both and getting it back restores them.
TEST_F(SdlControlsTest, VolumesReachTheMixer) {
  SdlOptions options;
  options.musicVolume = 40;
  options.effectsVolume = 70;
  options.muteWhenUnfocused = true;
  auto p = Open(options);
  ASSERT_TRUE(p);
  if (!SDL_WasInit(SDL_INIT_AUDIO)) GTEST_SKIP() << "no audio device";
  EXPECT_EQ(Mix_VolumeMusic(-1), 40 * MIX_MAX_VOLUME / 100);
  EXPECT_EQ(Mix_Volume(0, -1), 70 * MIX_MAX_VOLUME / 100);
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&e);
  p->Sleep(1);
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
  EXPECT_EQ(Mix_Volume(0, -1), 0);
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  SDL_PushEvent(&e);
  p->Sleep(1);
  EXPECT_EQ(Mix_VolumeMusic(-1), 40 * MIX_MAX_VOLUME / 100);
}

// F12 writes the play screen into the screenshot folder and names it in the caption, which
// returns to the game's own afterwards; the game does not see F12.
TEST_F(SdlControlsTest, F12WritesAScreenshotAndSaysWhere) {
  korvela::testing::TempDir dir;
  SdlOptions options;
  options.screenshotDir = dir.Path() / "shots";
  auto p = Open(options);
  ASSERT_TRUE(p);
  Surface crt(484, 388, kWhite);
  p->Present(crt);
  p->SetCaption("KORVELA  LV=1");
  PushKey(true, SDLK_F12);
  PushKey(false, SDLK_F12);
  p->Sleep(5);
  std::vector<std::filesystem::path> shots;
  for (const auto& f : std::filesystem::directory_iterator(options.screenshotDir)) {
    shots.push_back(f.path());
  }
  ASSERT_EQ(shots.size(), 1u);
  Surface back;
  std::string error;
  ASSERT_TRUE(LoadPng(shots[0], &back, &error)) << error;
  EXPECT_EQ(back.Width(), 480);
  EXPECT_EQ(back.Height(), 384);
  EXPECT_EQ(back.Pixels()[0], kWhite);
  SDL_Window* window = SDL_GetWindowFromID(1);
  for (Uint32 id = 1; !window && id < 100; ++id) window = SDL_GetWindowFromID(id);
  ASSERT_TRUE(window);
  EXPECT_NE(std::string(SDL_GetWindowTitle(window)).find(shots[0].string()), std::string::npos);
  p->SetCaption("KORVELA  LV=2");  // the notice stays for its two seconds
  EXPECT_NE(std::string(SDL_GetWindowTitle(window)).find("korvela-"), std::string::npos);
  p->Sleep(2100);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "KORVELA  LV=2");
}

}  // namespace
}  // namespace platform
