#include "map/map_loader.h"

#include "game/fatal.h"
#include "map/shift_jis.h"
#include "platform/regular_file.h"

namespace korvela {

namespace {

std::string Shown(const std::filesystem::path& path) { return path.string(); }

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Reads the first `needed` bytes of a file the map needs, stopping the game when it is missing,
// is not a file, cannot be read or holds fewer bytes. Longer files are fine; the rest of the
// file is never read.
std::string ReadNeeded(Game& g, const std::filesystem::path& path, size_t needed) {
  platform::FileBytes file = platform::ReadRegularFile(path, needed);
  if (file.problem == platform::FileBytes::Problem::Missing) {
    FatalError(g, "ファイルが見つかりません: " + Shown(path));
  }
  // A folder, a FIFO, a link loop, no permission: the message says which.
  if (!file.Ok()) FatalError(g, "ファイルを読めません: " + Shown(path) + " (" + file.why + ")");
  if (file.bytes.size() < needed) {
    FatalError(g, "ファイルが短すぎます: " + Shown(path) + " (" +
                      std::to_string(file.bytes.size()) + " バイト、必要なのは " +
                      std::to_string(needed) + " バイト)");
  }
  return std::move(file.bytes);
}

// Removes spaces (and the NUL padding some tools write) from both ends.
std::string_view Trim(std::string_view field) {
  const auto pad = [](char c) { return c == ' ' || c == '\0'; };
  while (!field.empty() && pad(field.front())) field.remove_prefix(1);
  while (!field.empty() && pad(field.back())) field.remove_suffix(1);
  return field;
}

// Trims a name field in place (padded back to 20 bytes) and gives the file it names, if any.
std::optional<std::filesystem::path> NamedFile(Game& g, std::string& field) {
  const std::string trimmed(Trim(field));
  field = trimmed;
  field.resize(kNameBytes, ' ');
  if (trimmed == kNotSetName) return std::nullopt;
  const std::string name = ShiftJisToUtf8(trimmed);
  // The names are plain file names in the data folder; a path would let a damaged map file
  // read any file on the machine.
  if (name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) {
    FatalError(g, "マップのファイル名がデータフォルダの外を指しています: \"" + name + "\" (" +
                      Shown(g.DataDir / PathFromUtf8(MapFileName(g.MapName))) + ")");
  }
  return g.DataDir / PathFromUtf8(name);
}

void ReadLayer(Game& g, std::string& nameField, ByteGrid& layer) {
  const auto path = NamedFile(g, nameField);
  if (!path) return;
  const std::string bytes = ReadNeeded(g, *path, layer.Bytes());
  std::copy(bytes.begin(), bytes.end(), layer.Data());
}

}  // namespace

std::string MapFileName(std::string_view name) { return "MAP(" + std::string(name) + ").PRO"; }

void LoadMap(Game& g, std::string_view name) {
  g.MapName = std::string(name);
  const auto mapPath = g.DataDir / PathFromUtf8(MapFileName(name));
  const std::string record = ReadNeeded(g, mapPath, kMapFileBytes);

  MapHeader header;
  const auto byteAt = [&](size_t i) { return static_cast<uint8_t>(record[i]); };
  header.Size = static_cast<int16_t>(byteAt(0) | byteAt(1) << 8);
  for (size_t k = 0; k < header.Names.size(); ++k) {
    header.Names[k] = record.substr(2 + k * kNameBytes, kNameBytes);
  }
  for (size_t i = 0; i < header.Block.size(); ++i) header.Block[i] = byteAt(142 + i);

  // A size outside 0..255 would make grids the view cannot wrap over (or no grid at all).
  if (header.Size < 0 || header.Size > kLargestMapSize) {
    FatalError(g, "マップの大きさが不正です: " + Shown(mapPath) + " (" +
                      std::to_string(header.Size) + ")");
  }

  g.Header = std::move(header);
  g.MapSize = g.Header.Size;
  g.MapLayer1.Reset(g.MapSize + 1);
  g.MapLayer2.Reset(g.MapSize + 1);

  ReadLayer(g, g.Header.Names[0], g.MapLayer1);
  ReadLayer(g, g.Header.Names[1], g.MapLayer2);

  const auto textPath = NamedFile(g, g.Header.Names[2]);
  if (textPath) {
    const std::string texts = ReadNeeded(g, *textPath, kTextRecordBytes * kTextRecords);
    // Each text keeps its padding: the message window stops at the text's end code.
    for (size_t i = 0; i < kTextRecords; ++i) {
      g.SearchTexts[i] =
          DecodeShiftJis(std::string_view(texts).substr(i * kTextRecordBytes, kTextRecordBytes));
    }
  }
}

}  // namespace korvela
