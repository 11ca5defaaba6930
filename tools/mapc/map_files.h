#pragma once
// Writing a compiled map as the files the game reads from DATA/: the 192-byte map file
// "MAP(name).PRO", the two layer files and (when the map has texts) the text file.

#include <filesystem>
#include <optional>
#include <string>

#include "search_texts.h"
#include "tiled_map.h"

namespace mapc {

// The companion file names the map file records for a map name.
std::string Layer1FileName(const std::string& name);
std::string Layer2FileName(const std::string& name);
std::string TextFileName(const std::string& name);

// The 192 bytes of the map file: size field, the three names (or "未設定" when there are no
// texts), four unused names as "未設定", and a zero block. Names are padded with spaces.
std::string MapFileBytes(const CompiledMap& map, bool hasTexts);

// Writes every file of the map into dir (created if missing). Throws SourceError when a file
// cannot be written.
void WriteMapFiles(const std::filesystem::path& dir, const CompiledMap& map,
                   const std::optional<TextRecords>& texts);

}  // namespace mapc
