#pragma once
// The player's settings: one human-editable INI file, "settings.ini" in the config folder. Every
// setting is a row of one table, which reads the file, writes it back with comments, and gives
// each setting its command-line option, so the three never disagree.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_bindings.h"

namespace korvela {

struct Settings {
  // [window]
  int scale = 2;  // window size as a multiple of 480 x 384, 1..4
  bool fullscreen = false;
  int width = 0, height = 0;  // the window's last size; 0 means scale x 480 x 384
  int x = -1, y = -1;         // its last place on its display; -1 means centred
  int display = 0;            // the display the window was last on
  // [sound]
  int musicVolume = 100;  // 0..100
  int effectsVolume = 100;
  bool mute = false;
  bool muteWhenUnfocused = false;
  std::string soundFont;  // empty: search the usual SoundFont folders
  // [folders]
  std::string saveDir;        // empty: beside the program, or the data folder
  std::string screenshotDir;  // empty: the pictures folder, or the data folder
  // [screenshots]
  bool scaledScreenshots = false;  // true: the window's scaled picture instead of 480 x 384
  // [keyboard] and [pad]: what presses each of the game's keys
  platform::InputBindings bindings = platform::DefaultBindings();
};

// One setting given by name, as the file and the command line give them.
struct SettingValue {
  std::string section, key, value;
};

// Sets one setting from its text. Returns false with the reason in *why (the setting keeps its
// value) for an unknown name or a value out of range.
bool ApplySetting(Settings* s, const SettingValue& v, std::string* why);

// Reads INI text. Lines that cannot be used are skipped, each named with its line number in
// *problems; everything else is taken, and what the text does not name keeps its default.
Settings ParseSettings(std::string_view text, std::vector<std::string>* problems);
// The whole file with a comment above every setting.
std::string FormatSettings(const Settings& s);

// $XDG_CONFIG_HOME/korvela/settings.ini, or ~/.config/korvela/settings.ini.
std::filesystem::path DefaultSettingsPath();
// Reads the file; a missing file is created with the defaults. Problems (a broken line, a file
// that cannot be read or written) are named in *problems and never stop the game.
Settings LoadSettings(const std::filesystem::path& path, std::vector<std::string>* problems);
// Writes the file through a temporary file and a rename. Returns false with *why on failure.
bool SaveSettings(const std::filesystem::path& path, const Settings& s, std::string* why);

// The settings text with the named settings' lines set to their values in `s`; every other
// line (comments, other settings, lines that cannot be read) stays as it was. A setting without
// a line gets one at the end of its section, or in a new section at the end.
std::string WithValues(std::string_view text, const Settings& s,
                       const std::vector<SettingValue>& which);
// The same for the file: remembers the named settings (their `value` is not used) without
// touching the rest of it. A missing file is made with the defaults first. Returns false with
// *why on failure.
bool RememberSettings(const std::filesystem::path& path, const Settings& s,
                      const std::vector<SettingValue>& which, std::string* why);

// Each setting's command-line option ("--music-volume") with its section and key, and whether
// it is a switch (a bool: "--mute" and "--no-mute").
struct SettingOption {
  std::string option, section, key, help;
  bool isSwitch = false;
};
std::vector<SettingOption> SettingOptions();

}  // namespace korvela
