// mapc: compiles the maps drawn in Tiled (data/*.tmj) with their search texts into the files the
// game reads from DATA/, and draws the events tileset picture that the maps use in Tiled.
//
//   mapc --out DIR MAP.tmj...        compile each map into DIR
//   mapc --events-tileset FILE.png   write the events tileset picture

#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "events_tileset.h"
#include "map_files.h"
#include "platform/image_io.h"
#include "source_error.h"

namespace {

int Usage() {
  std::cerr << "usage: mapc --out DIR MAP.tmj...\n"
               "       mapc --events-tileset FILE.png\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--events-tileset") {
    std::string error;
    if (!platform::SavePng(mapc::DrawEventsTileset(), args[1], &error)) {
      std::cerr << "mapc: " << error << "\n";
      return 1;
    }
    return 0;
  }
  if (args.size() < 2 || args[0] != "--out") return Usage();
  std::set<std::string> names;
  for (size_t i = 2; i < args.size(); ++i) {
    try {
      const mapc::CompiledMap map = mapc::ReadTiledMap(args[i]);
      if (!names.insert(map.name).second) {
        throw mapc::SourceError(args[i] + ": another map is also named \"" + map.name + "\"");
      }
      std::optional<mapc::TextRecords> texts;
      if (map.texts) texts = mapc::ReadSearchTexts(*map.texts);
      mapc::WriteMapFiles(args[1], map, texts);
    } catch (const mapc::SourceError& e) {
      std::cerr << "mapc: " << e.what() << "\n";
      return 1;
    } catch (const std::exception& e) {
      // A fault the checks above did not foresee still names the source and fails cleanly.
      std::cerr << "mapc: " << args[i] << ": " << e.what() << "\n";
      return 1;
    }
  }
  return 0;
}
