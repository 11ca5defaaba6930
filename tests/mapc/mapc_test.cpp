#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "event_codes.h"
#include "events_tileset.h"
#include "map/map_loader.h"
#include "map/shift_jis.h"
#include "map_files.h"
#include "platform/image_io.h"
#include "search_texts.h"
#include "source_error.h"
#include "support/data_folder.h"
#include "support/test_game.h"
#include "tiled_map.h"

namespace mapc {
namespace {

using korvela::testing::ReadBytes;
using korvela::testing::TempDir;
using nlohmann::json;

json Tileset(const std::string& name, const std::string& image) {
  return {{"name", name},  {"image", image},   {"imagewidth", 512}, {"imageheight", 512},
          {"columns", 16}, {"tilecount", 256}, {"tilewidth", 32},   {"tileheight", 32},
          {"margin", 0},   {"spacing", 0},     {"type", "tileset"}};
}

json TileLayer(const std::string& name, int side, std::vector<uint32_t> data) {
  return {{"name", name},   {"type", "tilelayer"}, {"width", side},
          {"height", side}, {"data", data},        {"x", 0},
          {"y", 0},         {"opacity", 1}};
}

json EmbeddedTown() {
  json t = Tileset("town", "../assets/MapChr3.png");
  t["firstgid"] = 1;
  return t;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A 4 x 4 town map ("03", mode 2): the town tileset embedded from gid 1, the events tileset
// from its own file from gid 257. Tiles are gid 1 + t, events gid 257 + code.
class MapcTest : public ::testing::Test {
 protected:
  MapcTest() {
    WriteText(dir.Path() / "events.tsj", Tileset("events", "events.png").dump());
    std::vector<uint32_t> tiles(16), events(16, 0);
    for (uint32_t i = 0; i < 16; ++i) tiles[i] = 1 + (i % 2 ? 128 + i : i);
    events[1 * 4 + 2] = 257 + 49;   // (2, 1): save point
    events[3 * 4 + 0] = 257 + 101;  // (0, 3): a search text
    map = {{"type", "map"},
           {"orientation", "orthogonal"},
           {"infinite", false},
           {"width", 4},
           {"height", 4},
           {"tilewidth", 32},
           {"tileheight", 32},
           {"properties",
            {{{"name", "name"}, {"type", "string"}, {"value", "03"}},
             {{"name", "mode"}, {"type", "int"}, {"value", 2}},
             {{"name", "texts"}, {"type", "string"}, {"value", "town.txt"}}}},
           {"tilesets", {EmbeddedTown(), {{"firstgid", 257}, {"source", "events.tsj"}}}},
           {"layers", {TileLayer("tiles", 4, tiles), TileLayer("events", 4, events)}}};
    WriteText(dir.Path() / "town.txt", "# the town\n101: やあ\\P\n     またねPe\n\n0: e\n");
  }

  std::filesystem::path Save() {
    const auto path = dir.Path() / "town.tmj";
    WriteText(path, map.dump());
    return path;
  }

  // Compiles the map as it stands and gives the message of the fault it must have.
  std::string Fault() {
    const auto path = Save();
    try {
      ReadTiledMap(path);
    } catch (const SourceError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(path.string()), std::string::npos) << message;
      return message;
    }
    ADD_FAILURE() << "no fault found";
    return "";
  }

  std::string TextFault(const std::string& texts) {
    try {
      ParseSearchTexts(texts, "town.txt");
    } catch (const SourceError& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("town.txt: line ", 0), 0u) << message;
      return message;
    }
    ADD_FAILURE() << "no fault found in " << texts;
    return "";
  }

  json& Data(int layer) { return map["layers"][static_cast<size_t>(layer)]["data"]; }

  TempDir dir;
  json map;
};

std::string Field(std::string_view name) {
  std::string f(name);
  f.resize(20, ' ');
  return f;
}

TEST_F(MapcTest, ASmallMapCompilesToTheExactFilesTheGameReads) {
  const CompiledMap compiled = ReadTiledMap(Save());
  const auto out = dir.Path() / "DATA";
  WriteMapFiles(out, compiled, ReadSearchTexts(*compiled.texts));

  std::string header = std::string("\x03\x00", 2) + Field("03_LAYER1.DAT") +
                       Field("03_LAYER2.DAT") + Field("03_TEXTS.DAT");
  for (int k = 0; k < 4; ++k) header += Field(korvela::kNotSetName);
  header += std::string(50, '\0');
  const auto written = ReadBytes(out / "MAP(03).PRO");
  EXPECT_EQ(std::string(written.begin(), written.end()), header);

  std::vector<uint8_t> tiles(16), events(16, 0);
  for (uint8_t i = 0; i < 16; ++i) tiles[i] = i % 2 ? static_cast<uint8_t>(128 + i) : i;
  events[6] = 49;
  events[12] = 101;
  EXPECT_EQ(ReadBytes(out / "03_LAYER1.DAT"), tiles);
  EXPECT_EQ(ReadBytes(out / "03_LAYER2.DAT"), events);

  const auto texts = ReadBytes(out / "03_TEXTS.DAT");
  ASSERT_EQ(texts.size(), 51200u);
  std::string record101 = korvela::EncodeShiftJis(U"やあ\\PまたねPe").bytes;
  record101.resize(200, ' ');
  EXPECT_EQ(std::string(texts.begin() + 101 * 200, texts.begin() + 102 * 200), record101);
  EXPECT_EQ(std::string(texts.begin() + 100 * 200, texts.begin() + 101 * 200),
            std::string(200, ' '));

  // And the game's loader reads it back.
  korvela::testing::TestGame t;
  t.g.DataDir = out;
  korvela::LoadMap(t.g, "03");
  EXPECT_EQ(t.g.MapSize, 3);
  EXPECT_EQ(t.g.MapLayer1(1, 0), 129);
  EXPECT_EQ(t.g.MapLayer2(2, 1), 49);
  EXPECT_EQ(t.g.SearchTexts[101].substr(0, 9), U"やあ\\PまたねPe");
}

TEST_F(MapcTest, TilesetsInAnyOrderAndBase64DataGiveTheSameBytes) {
  WriteText(dir.Path() / "town.tsj", Tileset("town", "../assets/MapChr3.png").dump());
  map["tilesets"] = {{{"firstgid", 1}, {"source", "events.tsj"}},
                     {{"firstgid", 300}, {"source", "town.tsj"}}};
  // Tiles 0..15 from gid 300; events: code 38 at (3, 3).
  std::string raw;
  for (uint32_t i = 0; i < 16; ++i) {
    const uint32_t gid = 300 + i;
    for (int b = 0; b < 4; ++b) raw.push_back(static_cast<char>((gid >> (8 * b)) & 0xFF));
  }
  static const char* kB64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string b64;
  for (size_t i = 0; i < raw.size(); i += 3) {
    const uint32_t n = static_cast<uint8_t>(raw[i]) << 16 | static_cast<uint8_t>(raw[i + 1]) << 8 |
                       (i + 2 < raw.size() ? static_cast<uint8_t>(raw[i + 2]) : 0);
    b64 += kB64[n >> 18];
    b64 += kB64[(n >> 12) & 63];
    b64 += i + 1 < raw.size() ? kB64[(n >> 6) & 63] : '=';
    b64 += i + 2 < raw.size() ? kB64[n & 63] : '=';
  }
  map["layers"][0]["data"] = b64;
  map["layers"][0]["encoding"] = "base64";
  std::vector<uint32_t> events(16, 0);
  events[15] = 1 + 38;
  Data(1) = events;

  const CompiledMap compiled = ReadTiledMap(Save());
  for (uint8_t i = 0; i < 16; ++i) EXPECT_EQ(compiled.tiles[i], i);
  EXPECT_EQ(compiled.events[15], 38);
  EXPECT_EQ(compiled.side, 4);
  EXPECT_EQ(compiled.mode, 2);
}

TEST_F(MapcTest, BadMapsAreRejectedNamingFileLayerAndCell) {
  const json good = map;
  const auto expectFault = [&](const std::vector<std::string>& parts) {
    const std::string message = Fault();
    for (const std::string& part : parts) {
      EXPECT_NE(message.find(part), std::string::npos) << "'" << part << "' in " << message;
    }
    map = good;
  };

  map["height"] = 5;
  expectFault({"wrong size 4 x 5"});
  map["width"] = map["height"] = 6;
  expectFault({"wrong size 6 x 6"});
  map["layers"][1]["width"] = 3;
  expectFault({"layer events", "3 x 4 cells"});
  Data(0).erase(0);
  expectFault({"layer tiles", "15 cells of data"});

  Data(0)[5] = 999;
  expectFault({"layer tiles, cell (1, 1)", "unknown tile 999"});
  Data(0)[2] = 257 + 38;  // an event drawn on the tile layer
  expectFault({"layer tiles, cell (2, 0)", "unknown tile", "tileset events"});
  Data(1)[7] = 5;  // a town tile drawn on the event layer
  expectFault({"layer events, cell (3, 1)", "unknown tile", "tileset town"});
  Data(1)[2] = 257 + 50;
  expectFault({"layer events, cell (2, 0)", "event code 50"});
  Data(0)[4] = 0;
  expectFault({"layer tiles, cell (0, 1)", "empty cell"});
  Data(0)[3] = 0x80000001u;
  expectFault({"layer tiles, cell (3, 0)", "flipped"});

  // A stage map (mode 1) takes its tiles only from the stage sheet.
  map["properties"][1]["value"] = 1;
  expectFault({"layer tiles, cell (0, 0)", "tileset stages"});
  map["properties"][0]["value"] = "";
  expectFault({"property \"name\""});
  map["layers"].erase(1);
  expectFault({"no tile layer named \"events\""});
  map["tilesets"][1]["source"] = "events.tsx";
  expectFault({"XML"});
}

// Sources of the wrong shape, which once escaped as uncaught JSON type errors or were wrapped
// into other numbers: each is a SourceError naming the file and what is wrong.
TEST_F(MapcTest, MalformedSourcesAreRejectedNotAbortedOrWrapped) {
  std::filesystem::create_directory(dir.Path() / "folder.tsj");
  const json good = map;
  struct Case {
    const char* said;
    std::function<void(json&)> breakIt;
  };
  const Case cases[] = {
      {"\"properties\" must be a list", [](json& m) { m["properties"] = 5; }},
      {"\"properties\" must be a list",
       [](json& m) {
         m["properties"] = {{"name", "mode"}};
       }},
      {"\"properties\" must be a list", [](json& m) { m["properties"] = "name"; }},
      {"\"properties\" must be a list of objects",
       [](json& m) {
         m["properties"] = {1, 2};
       }},
      {"\"name\" must be text", [](json& m) { m["properties"][0]["name"] = 7; }},
      {"infinite", [](json& m) { m["infinite"] = "no"; }},
      {"\"orientation\" must be text", [](json& m) { m["orientation"] = 7; }},
      {"\"layers\" must be a list", [](json& m) { m["layers"] = 5; }},
      {"\"layers\" must be a list of objects", [](json& m) { m["layers"] = {5}; }},
      {"\"type\" must be text", [](json& m) { m["layers"][0]["type"] = 3; }},
      {"\"name\" must be text", [](json& m) { m["layers"][0]["name"] = 3; }},
      {"\"encoding\" must be text",
       [](json& m) { m["layers"][0]["data"] = "AAAA", m["layers"][0]["encoding"] = 5; }},
      {"\"compression\" must be text",
       [](json& m) {
         m["layers"][0]["data"] = "AAAA", m["layers"][0]["encoding"] = "base64";
         m["layers"][0]["compression"] = 0;
       }},
      {"it is a folder", [](json& m) { m["tilesets"][1]["source"] = "folder.tsj"; }},
      {"\"width\" must be a whole number", [](json& m) { m["width"] = 4294967300u; }},
      {"\"width\" must be a whole number", [](json& m) { m["width"] = 4.9; }},
      {"\"width\" must be a whole number", [](json& m) { m["width"] = 1e300; }},
      {"cell data must be whole numbers", [](json& m) { m["layers"][0]["data"][0] = 4294967297u; }},
      {"\"firstgid\" must be a whole number", [](json& m) { m["tilesets"][0]["firstgid"] = -1; }},
      {"property \"mode\"", [](json& m) { m["properties"][1]["value"] = 4294967298u; }},
      // Ten characters: "0123456789_LAYER1.DAT" no longer fits the map file's 20-byte field.
      {"1 to 9 letters", [](json& m) { m["properties"][0]["value"] = "0123456789"; }},
  };
  for (const Case& c : cases) {
    map = good;
    c.breakIt(map);
    const std::string message = Fault();
    EXPECT_NE(message.find(c.said), std::string::npos) << c.said << " in " << message;
  }
  // Nine characters still fit.
  map = good;
  map["properties"][0]["value"] = "012345678";
  EXPECT_EQ(ReadTiledMap(Save()).name, "012345678");

  // Search texts that are a folder.
  try {
    ReadSearchTexts(dir.Path());
    ADD_FAILURE() << "a folder was read as texts";
  } catch (const SourceError& e) {
    EXPECT_NE(std::string(e.what()).find("it is a folder"), std::string::npos) << e.what();
  }
}

TEST_F(MapcTest, BadTextsAreRejectedNamingLineAndText) {
  std::string tooLong = "101: ";
  for (int i = 0; i < 99; ++i) tooLong += "あ";
  tooLong += "Pe\n";  // 198 + 2 = 200 bytes: just fits
  EXPECT_NO_THROW(ParseSearchTexts(tooLong, "town.txt"));
  tooLong.insert(5, "x");
  std::string message = TextFault(tooLong);
  EXPECT_NE(message.find("line 1, text 101: 201 bytes"), std::string::npos) << message;

  message = TextFault("# snow\n\n102: ゆき☃だPe\n");
  EXPECT_NE(message.find("line 3, text 102"), std::string::npos) << message;
  EXPECT_NE(message.find("U+2603"), std::string::npos) << message;

  EXPECT_NE(TextFault("101: おわらない\n").find("no end code"), std::string::npos);
  EXPECT_NE(TextFault("101: S5xPe\n").find("two hex digits"), std::string::npos);
  EXPECT_NE(TextFault("101: F15aPe\n").find("flag 21"), std::string::npos);
  EXPECT_NE(TextFault("101: aPe\n101: bPe\n").find("already given on line 1"), std::string::npos);
  EXPECT_NE(TextFault("hello\n").find("line 1: expected"), std::string::npos);
  EXPECT_NE(TextFault("300: Pe\n").find("out of 0..255"), std::string::npos);
  EXPECT_NE(TextFault("  Pe\n").find("continued line"), std::string::npos);
  EXPECT_NE(TextFault("101: \xff\xfePe\n").find("UTF-8"), std::string::npos);
  // A lower-case e inside a code's two digits is not the end code.
  EXPECT_NE(TextFault("101: S0e\n").find("no end code"), std::string::npos);
}

TEST(EventsTilesetTest, TheCommittedPictureIsTheOneMapcDraws) {
  platform::Surface committed;
  std::string error;
  ASSERT_TRUE(platform::LoadPng(std::filesystem::path(KORVELA_SOURCE_DIR) / "data/events.png",
                                &committed, &error))
      << error;
  const platform::Surface drawn = DrawEventsTileset();
  ASSERT_EQ(committed.Width(), drawn.Width());
  ASSERT_EQ(committed.Height(), drawn.Height());
  EXPECT_TRUE(std::equal(drawn.Pixels(), drawn.Pixels() + 512 * 512, committed.Pixels()))
      << "run: mapc --events-tileset data/events.png";
  // Tile 0 (no event) is all key colour, so an empty-looking cell really is empty.
  EXPECT_EQ(drawn.At(16, 16), kEventsKeyColor);
  EXPECT_NE(drawn.At(48 % 16 * 32 + 16, 48 / 16 * 32 + 16), kEventsKeyColor);
}

}  // namespace
}  // namespace mapc
