#pragma once
// The program's command line. Every setting of the settings file is also an option here
// ("--music-volume 50", "--mute"), and the command line wins.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/settings.h"

namespace korvela {

struct CommandLine {
  bool headless = false;
  std::filesystem::path inputScript;                              // --input FILE
  std::optional<uint32_t> untilMs;                                // --until MS
  std::vector<std::pair<uint32_t, std::filesystem::path>> shots;  // --shot MS:FILE.png
  std::filesystem::path logPath;                                  // --log FILE
  std::filesystem::path dataDir;       // --data DIR: holds DATA/ and Sound/
  std::filesystem::path recordPath;    // --record FILE
  std::filesystem::path settingsPath;  // --settings FILE
  std::optional<uint32_t> seed;        // --seed N
  std::vector<SettingValue> settings;  // settings given as options, in order
  // --help and --version: the text to print before leaving with status 0.
  std::string exitText;
};

// Returns nullopt and fills *error (with a hint to --help) on a bad command line.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error);

}  // namespace korvela
