// gen_sheets: draws the game's picture sheets.
//
//   gen_sheets --out DIR [FILE...]    write the sheets (all, or the named ones) as PNG files
//   gen_sheets --check DIR [FILE...]  compare the PNG files in DIR with what would be drawn now
//
// The sheets in assets/ are committed so that map authors can open them in Tiled; the check runs
// as a test, so a change to the drawing code that is not followed by regenerating the files
// fails the build's tests instead of going unnoticed.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/image_io.h"
#include "sheets.h"
#include "shell/sheets.h"

namespace {

struct Builder {
  std::string_view file;
  platform::Surface (*build)();
};

constexpr Builder kBuilders[] = {
    {"title.png", sheets::BuildTitle},
    {"MapChr1.png", sheets::BuildFieldTiles},
    {"MapChr2.png", sheets::BuildStageTiles},
    {"MapChr3.png", sheets::BuildTownTiles},
    {"Chr.png", sheets::BuildChr},
    {"Chr2.png", sheets::BuildChr2},
    {"sonota.png", sheets::BuildSonota},
    {"Enemy.png", sheets::BuildEnemy},
    {"Boss.png", sheets::BuildBoss},
    {"Boss2.png", sheets::BuildBoss2},
    {"Buri.png", sheets::BuildBuri},
    {"Opening.png", sheets::BuildOpening},
};

const Builder* FindBuilder(std::string_view file) {
  for (const Builder& b : kBuilders) {
    if (b.file == file) return &b;
  }
  return nullptr;
}

// Draws one sheet and makes sure it has the size the game will insist on.
bool Build(const korvela::SheetFile& sheet, platform::Surface* out) {
  const Builder* builder = FindBuilder(sheet.file);
  if (!builder) {
    std::fprintf(stderr, "gen_sheets: no drawing for %s\n", std::string(sheet.file).c_str());
    return false;
  }
  try {
    *out = builder->build();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gen_sheets: %s: %s\n", std::string(sheet.file).c_str(), e.what());
    return false;
  }
  if (out->Width() != sheet.width || out->Height() != sheet.height) {
    std::fprintf(stderr, "gen_sheets: %s drawn at %d x %d, the game expects %d x %d\n",
                 std::string(sheet.file).c_str(), out->Width(), out->Height(), sheet.width,
                 sheet.height);
    return false;
  }
  return true;
}

// Pixel comparison: PNG bytes may differ between library versions, the pictures may not.
bool Matches(const platform::Surface& drawn, const std::filesystem::path& path) {
  platform::Surface stored;
  std::string error;
  if (!platform::LoadPng(path, &stored, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  if (stored.Width() != drawn.Width() || stored.Height() != drawn.Height()) {
    std::fprintf(stderr, "%s is %d x %d, the generator draws %d x %d\n", path.c_str(),
                 stored.Width(), stored.Height(), drawn.Width(), drawn.Height());
    return false;
  }
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < drawn.Height(); ++y) {
    for (int x = 0; x < drawn.Width(); ++x) {
      if (stored.At(x, y) == drawn.At(x, y)) continue;
      if (differing++ == 0) firstX = x, firstY = y;
    }
  }
  if (differing > 0) {
    std::fprintf(stderr,
                 "%s differs from what the generator draws: %ld pixels, first at (%d, %d)\n",
                 path.c_str(), differing, firstX, firstY);
    return false;
  }
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: gen_sheets --out DIR [FILE...]\n"
               "       gen_sheets --check DIR [FILE...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const bool check = std::strcmp(argv[1], "--check") == 0;
  if (!check && std::strcmp(argv[1], "--out") != 0) return Usage();
  const std::filesystem::path dir = argv[2];
  std::vector<std::string> only(argv + 3, argv + argc);

  if (!check) std::filesystem::create_directories(dir);
  bool ok = true;
  int done = 0;
  for (const korvela::SheetFile& sheet : korvela::SheetFiles()) {
    const std::string file(sheet.file);
    if (!only.empty() && std::find(only.begin(), only.end(), file) == only.end()) continue;
    ++done;
    platform::Surface drawn;
    if (!Build(sheet, &drawn)) {
      ok = false;
      continue;
    }
    std::string error;
    if (check) {
      if (!Matches(drawn, dir / file)) ok = false;
    } else if (!platform::SavePng(drawn, dir / file, &error)) {
      std::fprintf(stderr, "gen_sheets: %s\n", error.c_str());
      ok = false;
    }
  }
  if (done == 0) {
    std::fprintf(stderr, "gen_sheets: no sheet of that name\n");
    return 2;
  }
  if (check && !ok) {
    std::fprintf(stderr, "regenerate them with: gen_sheets --out %s\n", dir.c_str());
  }
  return ok ? 0 : 1;
}
