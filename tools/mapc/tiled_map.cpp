#include "tiled_map.h"

#include <algorithm>
#include <array>
#include <limits>
#include <nlohmann/json.hpp>

#include "event_codes.h"
#include "platform/regular_file.h"
#include "source_error.h"

namespace mapc {

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

constexpr int kTilePixels = 32;
constexpr int kLargestSide = 256;
constexpr uint32_t kFlipBits = 0xF0000000u;  // Tiled's flip and rotation flags
constexpr std::array<const char*, 3> kSheetOfMode{"field", "stages", "town"};
constexpr const char* kEventsTileset = "events";

[[noreturn]] void Fail(const fs::path& file, const std::string& what) {
  throw SourceError(file.string() + ": " + what);
}

// No map or tileset source comes near this; a larger file is not one.
constexpr size_t kLargestSource = 64 << 20;

json ReadJson(const fs::path& file, const fs::path& reportAs) {
  const platform::FileBytes source = platform::ReadRegularFile(file, kLargestSource + 1);
  if (!source.Ok()) Fail(reportAs, "cannot open " + file.string() + ": " + source.why);
  if (source.bytes.size() > kLargestSource) Fail(reportAs, file.string() + " is too large");
  try {
    return json::parse(source.bytes);
  } catch (const json::exception& e) {
    Fail(reportAs, std::string("not valid JSON: ") + e.what());
  }
}

// A whole number that fits T, or nullopt: no fractions, and no silent wrapping of numbers that
// are too large or negative.
template <typename T>
std::optional<T> WholeNumber(const json& v) {
  if (v.is_number_unsigned()) {
    const auto u = v.get<uint64_t>();
    if (u > static_cast<uint64_t>(std::numeric_limits<T>::max())) return std::nullopt;
    return static_cast<T>(u);
  }
  if (v.is_number_integer()) {
    const auto i = v.get<int64_t>();
    if (i < static_cast<int64_t>(std::numeric_limits<T>::min()) ||
        i > static_cast<int64_t>(std::numeric_limits<T>::max())) {
      return std::nullopt;
    }
    return static_cast<T>(i);
  }
  return std::nullopt;
}

// A field of a JSON object, or a SourceError naming what is missing or of the wrong kind.
const json& Member(const json& object, const char* key, const fs::path& file,
                   const std::string& where) {
  if (!object.is_object() || !object.contains(key)) Fail(file, where + ": no \"" + key + "\"");
  return object.at(key);
}

std::string Text(const json& object, const char* key, const fs::path& file,
                 const std::string& where) {
  const json& v = Member(object, key, file, where);
  if (!v.is_string()) Fail(file, where + ": \"" + key + "\" must be text");
  return v.get<std::string>();
}

template <typename T>
T Whole(const json& object, const char* key, const fs::path& file, const std::string& where) {
  const auto v = WholeNumber<T>(Member(object, key, file, where));
  if (!v) {
    Fail(file, where + ": \"" + key + "\" must be a whole number from " +
                   std::to_string(std::numeric_limits<T>::min()) + " to " +
                   std::to_string(std::numeric_limits<T>::max()));
  }
  return *v;
}

// An optional text field: its value, `fallback` when absent, a SourceError when not text.
std::string OptionalText(const json& object, const char* key, const std::string& fallback,
                         const fs::path& file, const std::string& where) {
  if (!object.contains(key)) return fallback;
  return Text(object, key, file, where);
}

// An optional list: its objects (none when absent), a SourceError when it is not a list of
// objects.
std::vector<json> Objects(const json& object, const char* key, const fs::path& file) {
  if (!object.contains(key)) return {};
  const json& list = object.at(key);
  if (!list.is_array()) Fail(file, std::string("\"") + key + "\" must be a list");
  for (const json& item : list) {
    if (!item.is_object()) Fail(file, std::string("\"") + key + "\" must be a list of objects");
  }
  return list.get<std::vector<json>>();
}

struct Tileset {
  uint32_t firstGid = 0;
  std::string name;
  uint32_t count = 0;
};

struct Layer {
  std::string name;
  std::vector<uint32_t> gids;
};

std::optional<json> Property(const json& map, const std::string& name, const fs::path& file) {
  for (const json& p : Objects(map, "properties", file)) {
    if (Text(p, "name", file, "property") == name)
      return p.contains("value") ? p.at("value") : json();
  }
  return std::nullopt;
}

Tileset ReadTileset(const json& entry, const fs::path& file) {
  Tileset t;
  t.firstGid = Whole<uint32_t>(entry, "firstgid", file, "tileset");
  json body = entry;
  if (entry.contains("source")) {
    const auto source = Text(entry, "source", file, "tileset");
    if (fs::path(source).extension() == ".tsx") {
      Fail(file, "tileset " + source + " is in XML; save it as JSON (.tsj)");
    }
    body = ReadJson(file.parent_path() / source, file);
  }
  t.name = Text(body, "name", file, "tileset");
  const std::string where = "tileset " + t.name;
  t.count = Whole<uint32_t>(body, "tilecount", file, where);
  if (Whole<int>(body, "tilewidth", file, where) != kTilePixels ||
      Whole<int>(body, "tileheight", file, where) != kTilePixels) {
    Fail(file, where + ": tiles must be 32 x 32 pixels");
  }
  if (t.count > 256) Fail(file, where + ": more than 256 tiles");
  return t;
}

std::vector<uint32_t> DecodeBase64(const std::string& text, const fs::path& file,
                                   const std::string& where) {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<uint8_t> bytes;
  uint32_t acc = 0;
  int bits = 0;
  for (char c : text) {
    if (c == '=' || c == '\n' || c == '\r' || c == ' ') continue;
    const size_t v = kAlphabet.find(c);
    if (v == std::string_view::npos) Fail(file, where + ": broken base64 data");
    acc = (acc << 6) | static_cast<uint32_t>(v);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes.push_back(static_cast<uint8_t>((acc >> bits) & 0xFF));
    }
  }
  if (bytes.size() % 4 != 0) Fail(file, where + ": base64 data is not whole 32-bit cells");
  std::vector<uint32_t> gids(bytes.size() / 4);
  for (size_t i = 0; i < gids.size(); ++i) {
    gids[i] = static_cast<uint32_t>(bytes[4 * i]) | static_cast<uint32_t>(bytes[4 * i + 1]) << 8 |
              static_cast<uint32_t>(bytes[4 * i + 2]) << 16 |
              static_cast<uint32_t>(bytes[4 * i + 3]) << 24;
  }
  return gids;
}

Layer ReadLayer(const json& layer, int side, const fs::path& file) {
  Layer out;
  out.name = Text(layer, "name", file, "layer");
  const std::string where = "layer " + out.name;
  const int w = Whole<int>(layer, "width", file, where);
  const int h = Whole<int>(layer, "height", file, where);
  if (w != side || h != side) {
    Fail(file, where + ": " + std::to_string(w) + " x " + std::to_string(h) +
                   " cells, the map is " + std::to_string(side) + " x " + std::to_string(side));
  }
  if (!layer.contains("data")) Fail(file, where + ": no \"data\"");
  const json& data = layer.at("data");
  if (data.is_array()) {
    for (const json& v : data) {
      const auto gid = WholeNumber<uint32_t>(v);
      if (!gid) Fail(file, where + ": cell data must be whole numbers from 0 to 4294967295");
      out.gids.push_back(*gid);
    }
  } else if (data.is_string()) {
    if (OptionalText(layer, "encoding", "", file, where) != "base64" ||
        !OptionalText(layer, "compression", "", file, where).empty()) {
      Fail(file, where + ": compressed layer data; save the map with the layer format CSV");
    }
    out.gids = DecodeBase64(data.get<std::string>(), file, where);
  } else {
    Fail(file, where + ": \"data\" is neither a list nor base64 text");
  }
  const size_t cells = static_cast<size_t>(side) * static_cast<size_t>(side);
  if (out.gids.size() != cells) {
    Fail(file, where + ": " + std::to_string(out.gids.size()) + " cells of data, expected " +
                   std::to_string(cells));
  }
  return out;
}

// The tileset that holds a global tile id (the one with the largest first id not above it).
const Tileset* TilesetOf(const std::vector<Tileset>& sets, uint32_t gid) {
  const Tileset* found = nullptr;
  for (const Tileset& t : sets) {
    if (t.firstGid <= gid && (!found || t.firstGid > found->firstGid)) found = &t;
  }
  return found && gid - found->firstGid < found->count ? found : nullptr;
}

std::string Cell(const Layer& layer, size_t index, int side) {
  const auto s = static_cast<size_t>(side);
  return "layer " + layer.name + ", cell (" + std::to_string(index % s) + ", " +
         std::to_string(index / s) + ")";
}

// Turns one layer's global ids into bytes. The tiles layer needs a tile from the mode's sheet in
// every cell; the events layer holds event codes or nothing.
std::vector<uint8_t> LayerBytes(const Layer& layer, const std::vector<Tileset>& sets,
                                const std::string& wanted, bool emptyAllowed, int side,
                                const fs::path& file) {
  std::vector<uint8_t> bytes(layer.gids.size(), 0);
  for (size_t i = 0; i < layer.gids.size(); ++i) {
    const uint32_t gid = layer.gids[i];
    if (gid & kFlipBits) Fail(file, Cell(layer, i, side) + ": flipped or rotated tile");
    if (gid == 0) {
      if (!emptyAllowed) Fail(file, Cell(layer, i, side) + ": empty cell, every cell needs a tile");
      continue;
    }
    const Tileset* t = TilesetOf(sets, gid);
    if (!t) Fail(file, Cell(layer, i, side) + ": unknown tile " + std::to_string(gid));
    if (t->name != wanted) {
      Fail(file, Cell(layer, i, side) + ": unknown tile " + std::to_string(gid) +
                     " (from tileset " + t->name + ", this layer takes tileset " + wanted + ")");
    }
    bytes[i] = static_cast<uint8_t>(gid - t->firstGid);
    if (!emptyAllowed) continue;
    const EventKind kind = KindOfEvent(bytes[i]);
    if (kind == EventKind::Meaningless) {
      Fail(file, Cell(layer, i, side) + ": unknown tile: event code " + std::to_string(bytes[i]) +
                     " means nothing to the game");
    }
  }
  return bytes;
}

// The longest map name whose layer file names ("_LAYER1.DAT" added) fit the map file's 20-byte
// name fields.
constexpr size_t kLongestMapName = 9;

bool ValidMapName(const std::string& name) {
  if (name.empty() || name.size() > kLongestMapName) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           c == '-';
  });
}

}  // namespace

CompiledMap ReadTiledMap(const fs::path& file) {
  const json map = ReadJson(file, file);
  CompiledMap out;

  if (!map.is_object()) Fail(file, "a Tiled map is a JSON object");
  const auto name = Property(map, "name", file);
  if (!name || !name->is_string() || !ValidMapName(name->get<std::string>())) {
    Fail(file, "the map needs a property \"name\": 1 to 9 letters, digits, _ or - (e.g. \"01\")");
  }
  out.name = name->get<std::string>();
  const auto modeValue = Property(map, "mode", file);
  const auto mode = modeValue ? WholeNumber<int>(*modeValue) : std::nullopt;
  if (!mode || *mode < 0 || *mode > 2) {
    Fail(file, "the map needs an int property \"mode\": 0 field, 1 stages, 2 town");
  }
  out.mode = *mode;
  if (const auto texts = Property(map, "texts", file)) {
    if (!texts->is_string() || texts->get<std::string>().empty()) {
      Fail(file, "property \"texts\" must name the search-text file");
    }
    out.texts = file.parent_path() / texts->get<std::string>();
  }

  if (map.contains("infinite") && map.at("infinite") != false) {
    Fail(file, "infinite maps cannot be compiled; use a fixed size (\"infinite\": false)");
  }
  if (OptionalText(map, "orientation", "orthogonal", file, "map") != "orthogonal")
    Fail(file, "the map must be orthogonal");
  if (Whole<int>(map, "tilewidth", file, "map") != kTilePixels ||
      Whole<int>(map, "tileheight", file, "map") != kTilePixels) {
    Fail(file, "map tiles must be 32 x 32 pixels");
  }
  const int width = Whole<int>(map, "width", file, "map");
  const int height = Whole<int>(map, "height", file, "map");
  const bool powerOfTwo = width >= 2 && (width & (width - 1)) == 0;
  if (width != height || !powerOfTwo || width > kLargestSide) {
    Fail(file,
         "wrong size " + std::to_string(width) + " x " + std::to_string(height) +
             ": a map is square, 2, 4, 8 ... 256 cells each way (the view wraps at its size)");
  }
  out.side = width;

  std::vector<Tileset> sets;
  for (const json& entry : Objects(map, "tilesets", file)) sets.push_back(ReadTileset(entry, file));

  std::optional<Layer> tiles, events;
  for (const json& layer : Objects(map, "layers", file)) {
    if (OptionalText(layer, "type", "", file, "layer") != "tilelayer") continue;
    const std::string layerName = OptionalText(layer, "name", "", file, "layer");
    if (layerName == "tiles" && !tiles) {
      tiles = ReadLayer(layer, out.side, file);
    } else if (layerName == "events" && !events) {
      events = ReadLayer(layer, out.side, file);
    } else {
      Fail(file, "layer " + layerName +
                     ": unexpected tile layer; a map has one \"tiles\" and one \"events\" layer");
    }
  }
  if (!tiles) Fail(file, "no tile layer named \"tiles\"");
  if (!events) Fail(file, "no tile layer named \"events\"");

  const std::string sheet = kSheetOfMode[static_cast<size_t>(out.mode)];
  out.tiles = LayerBytes(*tiles, sets, sheet, false, out.side, file);
  out.events = LayerBytes(*events, sets, kEventsTileset, true, out.side, file);
  return out;
}

}  // namespace mapc
