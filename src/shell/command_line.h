#pragma once
// The program's command line.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvela {

struct CommandLine {
  bool headless = false;
  std::filesystem::path inputScript;                              // --input FILE
  std::optional<uint32_t> untilMs;                                // --until MS
  std::vector<std::pair<uint32_t, std::filesystem::path>> shots;  // --shot MS:FILE.png
  std::filesystem::path logPath;                                  // --log FILE
  std::filesystem::path dataDir;     // --data DIR: holds DATA/ and Sound/
  int scale = 2;                     // --scale N
  std::filesystem::path soundFont;   // --soundfont FILE
  std::filesystem::path recordPath;  // --record FILE
  bool help = false;
};

// Returns nullopt and fills *error on a bad command line.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error);
const char* UsageText();

}  // namespace korvela
