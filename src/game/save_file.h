#pragma once
// The one save file, DATA/SaveData.DAT: the heroine's record as 66 little-endian bytes, field
// by field in record order (the record's two alignment bytes in memory are not stored). No
// magic number, version or checksum.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "game/game.h"

namespace korvela {

constexpr size_t kSaveFileBytes = 66;
using SaveImage = std::array<uint8_t, kSaveFileBytes>;

SaveImage EncodePlayerRecord(const PlayerRecord& p);
PlayerRecord DecodePlayerRecord(const SaveImage& bytes);

// "SaveData.DAT" in g.SaveDir (in g.DataDir when no save folder is set).
std::filesystem::path SaveFilePath(const Game& g);

// Writes the record so that the old file is replaced only by a complete new one: a temporary
// file in the same folder, flushed to disk, then renamed over the old one. A save file marked
// read-only is left alone. On failure returns false, says why in *why and leaves any old file
// as it was.
bool WriteSaveFile(const std::filesystem::path& path, const PlayerRecord& p, std::string* why);
// Reads the first 66 bytes of the file. A missing, unreadable or shorter file gives false and
// the reason in *why; *p is then unchanged.
bool ReadSaveFile(const std::filesystem::path& path, PlayerRecord* p, std::string* why);

// The save point's save: Reserved = 0, then the whole record into the save file. Reports the
// written file to the platform; on failure says why on stderr and returns false.
bool SaveGame(Game& g);

}  // namespace korvela
