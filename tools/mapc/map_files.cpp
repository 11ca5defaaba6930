#include "map_files.h"

#include <fstream>

#include "map/map_loader.h"
#include "source_error.h"

namespace mapc {

namespace {

namespace fs = std::filesystem;

std::string NameField(std::string_view name) {
  std::string field(name);
  field.resize(korvela::kNameBytes, ' ');
  return field;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw SourceError(path.string() + ": cannot write");
}

}  // namespace

std::string Layer1FileName(const std::string& name) { return name + "_LAYER1.DAT"; }
std::string Layer2FileName(const std::string& name) { return name + "_LAYER2.DAT"; }
std::string TextFileName(const std::string& name) { return name + "_TEXTS.DAT"; }

std::string MapFileBytes(const CompiledMap& map, bool hasTexts) {
  std::string bytes;
  const int size = map.side - 1;
  bytes.push_back(static_cast<char>(size & 0xFF));
  bytes.push_back(static_cast<char>((size >> 8) & 0xFF));
  bytes += NameField(Layer1FileName(map.name));
  bytes += NameField(Layer2FileName(map.name));
  bytes += NameField(hasTexts ? TextFileName(map.name) : std::string(korvela::kNotSetName));
  for (int unused = 0; unused < 4; ++unused) bytes += NameField(korvela::kNotSetName);
  bytes.resize(korvela::kMapFileBytes, '\0');
  return bytes;
}

void WriteMapFiles(const fs::path& dir, const CompiledMap& map,
                   const std::optional<TextRecords>& texts) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) throw SourceError(dir.string() + ": cannot create: " + ec.message());
  WriteFile(dir / Layer1FileName(map.name), std::string(map.tiles.begin(), map.tiles.end()));
  WriteFile(dir / Layer2FileName(map.name), std::string(map.events.begin(), map.events.end()));
  if (texts) {
    std::string all;
    for (const std::string& record : *texts) all += record;
    WriteFile(dir / TextFileName(map.name), all);
  }
  WriteFile(dir / korvela::MapFileName(map.name), MapFileBytes(map, texts.has_value()));
}

}  // namespace mapc
