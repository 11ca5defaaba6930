#pragma once
// Reading a map drawn in Tiled (JSON map format) into the two byte layers the game reads.
//
// The map has two properties: "name" (the map name the game loads, e.g. "01") and "mode"
// (0 field, 1 stages, 2 town), and optionally "texts", the search-text file beside it. It has two
// tile layers: "tiles", drawn only from the mode's tile sheet tileset ("field", "stages" or
// "town"), and "events", drawn only from the "events" tileset or left empty. Tilesets may be
// external (.tsj) or embedded.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mapc {

struct CompiledMap {
  std::string name;
  int mode = 0;
  int side = 0;                 // cells each way; the map file's size field is side - 1
  std::vector<uint8_t> tiles;   // layer 1, row by row: cell (x, y) at y * side + x
  std::vector<uint8_t> events;  // layer 2, the same way
  std::optional<std::filesystem::path> texts;
};

// Throws SourceError naming the file, layer and cell of the first fault.
CompiledMap ReadTiledMap(const std::filesystem::path& file);

}  // namespace mapc
