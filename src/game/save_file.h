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

// Whether a record read from a file is one the game can play on: every float finite and at most
// kLargestSavedNumber either way, STR, DEX and INT at least kSmallestSavedStat, MP maximum not
// negative, level and next-level threshold at least 1. Hand-edited values inside those bounds
// load as they are. On a refusal *why names the field and its value.
constexpr float kLargestSavedNumber = 1000000;
constexpr float kSmallestSavedStat = 10;
bool CheckPlayerRecord(const PlayerRecord& p, std::string* why);

// "SaveData.DAT" in g.SaveDir (in g.DataDir when no save folder is set).
std::filesystem::path SaveFilePath(const Game& g);

// Writes the record so that the old file is replaced only by a complete new one: a temporary
// file in the same folder (created afresh, never through a link), flushed to disk, then renamed
// over the old one. A save file marked read-only is left alone. On failure returns false, says
// why in *why and leaves any old file as it was.
bool WriteSaveFile(const std::filesystem::path& path, const PlayerRecord& p, std::string* why);
// Reads the first 66 bytes of the file. A missing or shorter file, anything but a regular file,
// or a record CheckPlayerRecord refuses gives false and the reason in *why; *p is then unchanged.
bool ReadSaveFile(const std::filesystem::path& path, PlayerRecord* p, std::string* why);

// The save point's save: Reserved = 0, then the whole record into the save file. Reports the
// written file to the platform; on failure says why on stderr and returns false.
bool SaveGame(Game& g);

}  // namespace korvela
