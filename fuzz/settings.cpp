// The settings file as a player might hand-edit it: any text gives settings (what cannot be used
// is named as a problem), and the file the game writes back from them reads as the same settings
// with no problem at all.

#include "shell/settings.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> problems;
  const korvela::Settings read = korvela::ParseSettings(fuzz::AsText(data, size), &problems);
  for (const std::string& p : problems) {
    if (p.empty()) std::abort();  // a skipped line must say why
  }
  const std::string written = korvela::FormatSettings(read);
  std::vector<std::string> again;
  const korvela::Settings reread = korvela::ParseSettings(written, &again);
  if (!again.empty() || korvela::FormatSettings(reread) != written) std::abort();
  return 0;
}
