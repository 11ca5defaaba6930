// maprender: draws a compiled map to a PNG, to look at the world without playing it.
//
//   maprender --data DIR --assets DIR --map NAME --out FILE [--cell N] [--window X Y W H]
//
// DIR holds the compiled maps (DATA/ beside the program) and the tile sheets (assets/); NAME is
// "01", "02" or "03"; the window is in cells; --cell sets pixels per cell (default 32 for a
// window, 8 for a whole map).

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/fatal.h"
#include "map/map_loader.h"
#include "map_render.h"
#include "platform/headless_platform.h"
#include "platform/image_io.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: maprender --data DIR --assets DIR --map NAME --out FILE [--cell N] "
               "[--window X Y W H]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string data, assets, name, out;
  maprender::RenderOptions options;
  options.cell = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (arg == "--data" && (v = next())) {
      data = v;
    } else if (arg == "--assets" && (v = next())) {
      assets = v;
    } else if (arg == "--map" && (v = next())) {
      name = v;
    } else if (arg == "--out" && (v = next())) {
      out = v;
    } else if (arg == "--cell" && (v = next())) {
      options.cell = std::atoi(v);
    } else if (arg == "--window" && i + 4 < argc) {
      options.window = {std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]),
                        std::atoi(argv[i + 4])};
      i += 4;
    } else {
      return Usage();
    }
  }
  if (data.empty() || assets.empty() || out.empty() ||
      (name != "01" && name != "02" && name != "03")) {
    return Usage();
  }
  if (options.cell <= 0) options.cell = options.window.width > 0 ? 32 : 8;

  platform::HeadlessPlatform platform;
  korvela::Game g(platform);
  g.DataDir = data;
  try {
    korvela::LoadMap(g, name);
  } catch (const korvela::FatalGameError& e) {
    std::fprintf(stderr, "maprender: %s\n", e.what());
    return 1;
  }
  platform::Surface sheet;
  std::string error;
  const std::string sheetName = "MapChr" + std::string(1, name[1]) + ".png";
  if (!platform::LoadPng(std::filesystem::path(assets) / sheetName, &sheet, &error)) {
    std::fprintf(stderr, "maprender: %s\n", error.c_str());
    return 1;
  }
  const platform::Surface picture = maprender::RenderMap(g, name, sheet, options);
  if (!platform::SavePng(picture, out, &error)) {
    std::fprintf(stderr, "maprender: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %d x %d pixels\n", out.c_str(), picture.Width(), picture.Height());
  return 0;
}
