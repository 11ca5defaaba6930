// The map loader over hand-edited map files. The input is the 192-byte map file followed by the
// files it names, in its order: layer 1 and layer 2 ((size + 1)² bytes each, fewer if the input
// runs out) and the text file (the rest). Each goes to the file its name field names, when that
// name is a plain file name, so a mutated header finds what it names, or finds nothing. Loading
// either succeeds, and the map then draws at its far corner, or stops with the game's fatal
// error; nothing else may happen.

#include "map/map_loader.h"

#include <algorithm>
#include <string>

#include "game/fatal.h"
#include "map/map_draw.h"
#include "platform/headless_platform.h"
#include "support.h"

namespace {

constexpr size_t kHeaderBytes = 192;

std::string_view NameField(std::string_view header, size_t k) {
  std::string_view field = header.substr(2 + k * 20, 20);
  while (!field.empty() && (field.front() == ' ' || field.front() == '\0')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\0')) field.remove_suffix(1);
  return field;
}

bool PlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// Writes the next `count` bytes of the input (or what is left) to the file a name field names.
void WriteCompanion(std::string_view header, size_t k, std::string_view& rest, size_t count) {
  const std::string_view part = rest.substr(0, std::min(count, rest.size()));
  rest.remove_prefix(part.size());
  const std::string_view name = NameField(header, k);
  if (PlainFileName(name)) fuzz::WriteWhole(fuzz::ScratchDir() / std::string(name), part);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = fuzz::ScratchDir();
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::filesystem::remove(entry.path(), ignored);
  }
  std::string_view input = fuzz::AsText(data, size);
  const std::string_view header = input.substr(0, std::min(kHeaderBytes, input.size()));
  std::string_view rest = input.substr(header.size());
  fuzz::WriteWhole(dir / "MAP(F).PRO", header);
  if (header.size() == kHeaderBytes) {
    const size_t sizeField = static_cast<uint8_t>(header[0]) | static_cast<uint8_t>(header[1]) << 8;
    const size_t cells = sizeField <= 255 ? (sizeField + 1) * (sizeField + 1) : 0;
    WriteCompanion(header, 0, rest, cells);
    WriteCompanion(header, 1, rest, cells);
    WriteCompanion(header, 2, rest, rest.size());
  }

  platform::HeadlessPlatform headless;
  korvela::Game g(headless);
  g.DataDir = dir;
  try {
    korvela::LoadMap(g, "F");
  } catch (const korvela::FatalGameError&) {
    return 0;
  }
  g.Crt = korvela::Surface(484, 388);
  g.MapOriginX = g.MapOriginY = g.MapSize;
  for (g.GameMode = 0; g.GameMode <= 2; ++g.GameMode) korvela::DrawMap(g);
  return 0;
}
