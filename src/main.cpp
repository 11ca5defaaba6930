// Start procedure: reads the command line, opens the real window or the headless platform, and
// runs the game until the window closes.

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <memory>

#include "game/game.h"
#include "platform/font.h"
#include "platform/headless_platform.h"
#include "platform/input_script.h"
#include "platform/sdl_platform.h"
#include "shell/command_line.h"
#include "shell/folders.h"
#include "shell/program.h"
#include "shell/recording.h"

namespace {

// The folder that holds the program; DATA/, Sound/ and assets/ live beside it.
std::filesystem::path ProgramDir(const char* argv0) {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.parent_path();
  return std::filesystem::absolute(argv0).parent_path();
}

// The settings file (the window's, or one named with --settings) with the command line's
// settings over it. A headless run reads no settings file unless told to, so that tests do not
// depend on the player's.
korvela::Settings ReadSettings(const korvela::CommandLine& cl, std::filesystem::path* path) {
  korvela::Settings s;
  std::vector<std::string> problems;
  if (!cl.settingsPath.empty()) {
    *path = cl.settingsPath;
  } else if (!cl.headless) {
    *path = korvela::DefaultSettingsPath();
  }
  if (!path->empty()) s = korvela::LoadSettings(*path, &problems);
  for (const auto& v : cl.settings) korvela::ApplySetting(&s, v, &problems.emplace_back());
  // A scale asked for on the command line beats the size remembered in the file.
  const auto named = [&cl](const char* key) {
    return std::any_of(cl.settings.begin(), cl.settings.end(),
                       [key](const korvela::SettingValue& v) { return v.key == key; });
  };
  if (named("scale") && !named("width") && !named("height")) s.width = s.height = 0;
  for (const std::string& p : problems) {
    if (!p.empty()) std::cerr << "korvela: " << p << "\n";
  }
  return s;
}

std::unique_ptr<platform::Platform> MakePlatform(const korvela::CommandLine& cl,
                                                 const korvela::Settings& settings,
                                                 const platform::InputScript& input) {
  std::string error;
  if (cl.headless) {
    platform::HeadlessOptions options;
    options.input = input.events;
    options.inputByMoment = input.byMoment;
    options.untilMs = cl.untilMs;
    options.shots = cl.shots;
    options.logPath = cl.logPath;
    options.keepEffects = false;  // the log has them; a long run must not pile them up
    return std::make_unique<platform::HeadlessPlatform>(std::move(options));
  }
  platform::SdlOptions options;
  options.scale = settings.scale;
  options.window = {settings.width, settings.height,  settings.x,
                    settings.y,     settings.display, settings.fullscreen};
  options.soundFont = settings.soundFont;
  options.logPath = cl.logPath;
  options.screenshotDir = korvela::ScreenshotDir(settings.screenshotDir);
  options.scaledScreenshots = settings.scaledScreenshots;
  options.musicVolume = settings.mute ? 0 : settings.musicVolume;
  options.effectsVolume = settings.mute ? 0 : settings.effectsVolume;
  options.muteWhenUnfocused = settings.muteWhenUnfocused;
  options.bindings = settings.bindings;
  auto sdl = platform::SdlPlatform::Create(options, &error);
  if (!sdl) std::cerr << "korvela: " << error << "\n";
  return sdl;
}

// Writes the window's size, place, display and fullscreen into the settings file, leaving the
// rest of the file as the player wrote it.
void RememberWindow(const platform::SdlPlatform& sdl, const std::filesystem::path& path) {
  if (path.empty()) return;
  const platform::WindowPlace w = sdl.Window();
  korvela::Settings s;
  s.width = w.width;
  s.height = w.height;
  s.x = w.x;
  s.y = w.y;
  s.display = w.display;
  s.fullscreen = w.fullscreen;
  std::vector<korvela::SettingValue> which;
  for (const char* key : {"fullscreen", "width", "height", "x", "y", "display"}) {
    which.push_back({"window", key, ""});
  }
  std::string why;
  if (!korvela::RememberSettings(path, s, which, &why)) std::cerr << "korvela: " << why << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto cl = korvela::ParseCommandLine({argv + 1, argv + argc}, &error);
  if (!cl) {
    std::cerr << "korvela: " << error << "\n";
    return 2;
  }
  if (!cl->exitText.empty()) {
    std::cout << cl->exitText;
    return 0;
  }
  std::filesystem::path settingsPath;
  const korvela::Settings settings = ReadSettings(*cl, &settingsPath);
  std::optional<platform::InputScript> input = platform::InputScript{};
  if (!cl->inputScript.empty()) input = platform::LoadInputScript(cl->inputScript, &error);
  if (!input) {
    std::cerr << "korvela: " << error << "\n";
    return 1;
  }
  auto platform = MakePlatform(*cl, settings, *input);
  if (!platform) return 1;

  korvela::FolderRequest request;
  request.programDir = ProgramDir(argv[0]);
  request.dataDir = cl->dataDir;
  request.saveDir = settings.saveDir;
  request.userDataDir = korvela::UserDataDir();
  request.scratchSave = cl->headless;
  std::vector<std::string> problems;
  const korvela::FolderChoice folders = korvela::ChooseFolders(request, &problems);
  for (const std::string& p : problems) std::cerr << "korvela: " << p << "\n";
  if (!folders.adoptedSave.empty()) {
    std::cerr << "korvela: the save " << folders.adoptedSave.string() << " was copied to "
              << folders.saveDir.string() << "\n";
  }
  korvela::Game g(*platform);
  g.DataDir = folders.gameDir / "DATA";
  g.SoundDir = folders.gameDir / "Sound";
  g.AssetDir = folders.assetDir;
  g.SaveDir = folders.saveDir;
  // A headless run is the same game every time unless told otherwise.
  g.RandomSeed = cl->seed;
  problems.clear();
  korvela::PrepareReplay(g, *input, folders.scratch, &problems);
  for (const std::string& p : problems) std::cerr << "korvela: " << p << "\n";
  if (cl->headless && !g.RandomSeed) g.RandomSeed = 1;
  if (!cl->recordPath.empty() && !korvela::StartRecording(g, cl->recordPath, &error)) {
    std::cerr << "korvela: " << error << "\n";
    korvela::RemoveScratch(folders);
    return 1;
  }

  auto font = platform::Font::Open(18, true, &error);
  if (!font) std::cerr << "korvela: texts will not show: " << error << "\n";
  auto sceneFont = font ? platform::Font::Open(14, true, &error) : nullptr;
  g.CrtFont = g.CrtFont18 = font.get();
  g.CrtFont14 = sceneFont.get();

  const int status = korvela::RunProgram(g);
  if (auto* headless = dynamic_cast<platform::HeadlessPlatform*>(platform.get())) {
    headless->Finish();
  }
  if (auto* sdl = dynamic_cast<platform::SdlPlatform*>(platform.get())) {
    RememberWindow(*sdl, settingsPath);
  }
  korvela::RemoveScratch(folders);
  return status;
}
