#pragma once
// Loading a map: the map file in DATA/ and the layer and text files it names.
#include <string>
#include <string_view>

#include "game/game.h"

namespace korvela {

// The map file's layout: size field, seven 20-byte names, a 50-byte block.
constexpr size_t kMapFileBytes = 192;
constexpr size_t kNameBytes = 20;
constexpr size_t kTextRecordBytes = 200;
constexpr size_t kTextRecords = 256;
// "未設定" (not set) in Shift-JIS: a name field holding it names no file.
constexpr std::string_view kNotSetName = "\x96\xa2\x90\xdd\x92\xe8";
// The largest size field the loader accepts: the view wraps at 256 cells.
constexpr int kLargestMapSize = 255;

// "MAP(" + name + ").PRO"
std::string MapFileName(std::string_view name);

// Reads "MAP(" + name + ").PRO" and its companion files into MapSize, Header, MapLayer1,
// MapLayer2 and SearchTexts, and records the name in MapName. A name field of "未設定" leaves its
// layer all zero, or (for the text file) keeps the texts already loaded. A missing or short file
// is fatal (FatalError names the file).
void LoadMap(Game& g, std::string_view name);

}  // namespace korvela
