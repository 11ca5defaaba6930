#include "shell/sheets.h"

#include <array>
#include <string>

#include "game/fatal.h"
#include "platform/image_io.h"
#include "platform/regular_file.h"

namespace korvela {

namespace {

constexpr std::array<SheetFile, 12> kSheets{{
    {"title.png", 485, 393, &Game::B_Crt, true},
    {"MapChr1.png", 512, 512, &Game::MapChr1, false},
    {"MapChr2.png", 512, 512, &Game::MapChr2, false},
    {"MapChr3.png", 512, 512, &Game::MapChr3, false},
    {"Chr.png", 1281, 129, &Game::Chr, false},
    {"Chr2.png", 1283, 129, &Game::Chr2, false},
    {"sonota.png", 485, 355, &Game::sonota, false},
    {"Enemy.png", 965, 515, &Game::Enemy, false},
    {"Boss.png", 1796, 1349, &Game::Boss, false},
    {"Boss2.png", 3209, 1545, &Game::Boss2, false},
    {"Buri.png", 1279, 192, &Game::Buri, false},
    {"Opening.png", 1123, 386, &Game::Opening, false},
}};

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::span<const SheetFile> SheetFiles() { return kSheets; }

void LoadSheets(Game& g) {
  for (const SheetFile& sheet : kSheets) {
    const std::filesystem::path path = g.AssetDir / sheet.file;
    const std::string expected = SizeText(sheet.width, sheet.height);
    const platform::FileBytes file = platform::ReadRegularFile(path, platform::kLargestPngFile + 1);
    if (file.problem == platform::FileBytes::Problem::Missing) {
      FatalError(g, "picture sheet not found: " + path.string() + " (expected a PNG of " +
                        expected + " pixels)");
    }
    const auto unreadable = [&](const std::string& why) {
      FatalError(g, "picture sheet " + path.string() + " cannot be read (expected a PNG of " +
                        expected + " pixels): " + why);
    };
    if (!file.Ok()) unreadable(file.why);
    if (file.bytes.size() > platform::kLargestPngFile) unreadable("the file is too large");
    // The size comes from the header, before anything is decoded: a damaged or wrong sheet
    // could otherwise ask for gigabytes.
    const auto size = platform::PngHeaderSize(file.bytes);
    if (!size) unreadable("not a PNG file");
    if (size->width != sheet.width || size->height != sheet.height) {
      FatalError(g, "picture sheet " + path.string() + " is " +
                        SizeText(size->width, size->height) + " pixels, expected " + expected);
    }
    Surface picture;
    std::string error;
    if (!platform::DecodePng(file.bytes, &picture, &error)) unreadable(error);
    Surface& target = g.*sheet.surface;
    if (sheet.copyIntoPlace) {
      if (target.Empty()) target = Surface(g.ScreenWidth + 4, g.ScreenHeight + 4);
      target.BitBlt(0, 0, target.Width(), target.Height(), picture, 0, 0,
                    platform::RasterOp::SrcCopy);
    } else {
      target = std::move(picture);
    }
  }
}

}  // namespace korvela
