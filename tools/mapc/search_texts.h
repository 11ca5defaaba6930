#pragma once
// Reading a map's search texts: a UTF-8 file with one text per entry,
//
//   # a comment
//   101: 「ようこそ！」Pe
//   102: the first page of a longer text P
//        and a line that starts with a space continues the text above it
//
// Indices run from 0 to 255 (the search reaches 101-255). Each text keeps the game's mark-up and
// must fit 200 bytes once encoded in Shift-JIS.

#include <array>
#include <filesystem>
#include <string>

namespace mapc {

constexpr size_t kTextBytes = 200;

// The 256 records of the text file, Shift-JIS, each padded with spaces to 200 bytes.
using TextRecords = std::array<std::string, 256>;

// Throws SourceError naming the file, line and text of the first fault.
TextRecords ReadSearchTexts(const std::filesystem::path& file);
// The same for text already in memory (file is used only in messages).
TextRecords ParseSearchTexts(const std::string& utf8, const std::filesystem::path& file);

}  // namespace mapc
