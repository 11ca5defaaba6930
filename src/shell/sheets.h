#pragma once
// The picture sheets of the window, loaded from PNG files at window load.

#include <span>
#include <string_view>

#include "game/game.h"

namespace korvela {

// One PNG file in AssetDir and the surface it fills.
struct SheetFile {
  std::string_view file;
  int width;
  int height;
  Surface Game::*surface;
  // The title picture is a little larger than B_Crt, which keeps the play surface's size; its
  // top-left part is copied in. Every other sheet becomes its surface as it is.
  bool copyIntoPlace;
};

// The title picture and the eleven sheets, with the sizes the drawing routines rely on.
std::span<const SheetFile> SheetFiles();

// Loads every sheet from AssetDir; a missing or wrongly sized sheet is fatal (FatalError), with a
// message that names the file and both sizes.
void LoadSheets(Game& g);

}  // namespace korvela
