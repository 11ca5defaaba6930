// The map compiler over any Tiled map source: the input is the .tmj file, beside copies of the
// real tilesets and texts it may name. Compiling either gives the map's files or stops with
// mapc's own error naming the file (SourceError); any other exception or a crash is a fault.

#include <cstdlib>

#include "map_files.h"
#include "source_error.h"
#include "support.h"
#include "tiled_map.h"

namespace {

std::filesystem::path MapFolder() {
  const std::filesystem::path dir = fuzz::ScratchDir() / "data";
  std::filesystem::create_directories(dir);
  for (const auto& entry : std::filesystem::directory_iterator(fuzz::SourceDir() / "data")) {
    const auto ext = entry.path().extension();
    if (ext == ".tsj" || ext == ".txt") {
      std::filesystem::copy_file(entry.path(), dir / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path dir = MapFolder();
  const std::filesystem::path source = dir / "fuzz.tmj";
  fuzz::WriteWhole(source, fuzz::AsText(data, size));
  try {
    const mapc::CompiledMap map = mapc::ReadTiledMap(source);
    if (map.tiles.size() != static_cast<size_t>(map.side) * static_cast<size_t>(map.side) ||
        map.events.size() != map.tiles.size()) {
      std::abort();
    }
    std::optional<mapc::TextRecords> texts;
    if (map.texts) texts = mapc::ReadSearchTexts(*map.texts);
    if (mapc::MapFileBytes(map, texts.has_value()).size() != 192) std::abort();
  } catch (const mapc::SourceError&) {
  }
  return 0;
}
