// The save loader over any file a player might leave as DATA/SaveData.DAT: C on the title
// continues from it, and the game then runs some 20 frames in the town with the heroine walking
// and trying her keys. A save must either be refused with a notice or play; the sanitizers catch
// whatever a strange number does to the frame loop on the way.

#include <string>

#include "game/fatal.h"
#include "platform/headless_platform.h"
#include "shell/frame_loop.h"
#include "shell/sheets.h"
#include "shell/title_screen.h"
#include "shell/window.h"
#include "support.h"

namespace {

using platform::InputEvent;
using platform::Key;

// The sheets, loaded once and copied into every game, and a data folder with the real maps.
struct World {
  platform::HeadlessPlatform platform;
  korvela::Game sheets{platform};
  std::filesystem::path dataDir = fuzz::ScratchDir() / "DATA";
  World() {
    sheets.AssetDir = fuzz::BuildDir() / "assets";
    korvela::LoadSheets(sheets);
    std::filesystem::copy(fuzz::BuildDir() / "DATA", dataDir,
                          std::filesystem::copy_options::recursive);
  }
};

std::vector<InputEvent> Walk() {
  const auto down = [](uint32_t ms, Key k) { return InputEvent{ms, InputEvent::Kind::Down, k}; };
  const auto up = [](uint32_t ms, Key k) { return InputEvent{ms, InputEvent::Kind::Up, k}; };
  return {down(560, Key::Right),  up(700, Key::Right), down(720, Key::S),  up(760, Key::S),
          down(780, Key::X),      up(820, Key::X),     down(840, Key::Up), up(1000, Key::Up),
          down(1020, Key::Space), up(1060, Key::Space)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static World world;
  fuzz::WriteWhole(world.dataDir / "SaveData.DAT", fuzz::AsText(data, size));

  platform::HeadlessOptions options;
  options.input = Walk();
  options.untilMs = 1300;  // the half-second arrival and some 20 frames
  platform::HeadlessPlatform headless(std::move(options));
  korvela::Game g(headless);
  korvela::ShellEvents events(g);
  headless.SetEventHandler(&events);
  g.DataDir = world.dataDir;
  g.SoundDir = fuzz::ScratchDir() / "Sound";
  g.ScreenWidth = 480;
  g.ScreenHeight = 384;
  g.Crt = korvela::Surface(484, 388);
  g.B_Crt = korvela::Surface(484, 388);
  for (const korvela::SheetFile& sheet : korvela::SheetFiles()) {
    if (!sheet.copyIntoPlace) g.*sheet.surface = world.sheets.*sheet.surface;
  }
  try {
    if (korvela::ContinueGame(g)) korvela::GameLoop(g);
  } catch (const platform::QuitRequested&) {
  } catch (const korvela::FatalGameError&) {
  }
  headless.SetEventHandler(nullptr);
  return 0;
}
