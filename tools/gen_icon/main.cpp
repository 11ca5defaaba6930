// gen_icon: the program's icon, the heroine facing the player as the game draws her (her first
// step from Chr.png, transparent where her mask is white), at the sizes desktops look for.
//
//   gen_icon CHR.png OUT_FOLDER   writes OUT_FOLDER/64x64/apps/korvela.png, 128x128/... and
//   256x256/...

#include <filesystem>
#include <iostream>
#include <string>

#include "platform/image_io.h"

namespace {

constexpr int kCell = 64;
constexpr int kFrontCellX = kCell * 10;  // cell 5 * facing + step, facing down, first step

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gen_icon CHR.png OUT_FOLDER\n";
    return 2;
  }
  platform::Surface sheet;
  std::string error;
  if (!platform::LoadPng(argv[1], &sheet, &error)) {
    std::cerr << "gen_icon: " << error << "\n";
    return 1;
  }
  if (sheet.Width() < kFrontCellX + kCell || sheet.Height() < 2 * kCell) {
    std::cerr << "gen_icon: " << argv[1] << " is too small for the heroine's cells\n";
    return 1;
  }
  platform::Surface image(kCell, kCell), mask(kCell, kCell);
  image.BitBlt(0, 0, kCell, kCell, sheet, kFrontCellX, 0, platform::RasterOp::SrcCopy);
  mask.BitBlt(0, 0, kCell, kCell, sheet, kFrontCellX, kCell, platform::RasterOp::SrcCopy);
  for (const int scale : {1, 2, 4}) {
    const int side = kCell * scale;
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const std::filesystem::path folder = std::filesystem::path(argv[2]) / size / "apps";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!platform::SaveMaskedPng(platform::ScaledUp(image, scale), platform::ScaledUp(mask, scale),
                                 folder / "korvela.png", &error)) {
      std::cerr << "gen_icon: " << error << "\n";
      return 1;
    }
  }
  return 0;
}
