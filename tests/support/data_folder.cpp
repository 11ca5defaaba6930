#include "support/data_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace korvela::testing {

namespace {

// "未設定" (not set) in Shift-JIS.
constexpr std::string_view kNotSet = "\x96\xa2\x90\xdd\x92\xe8";

void PutName(std::vector<uint8_t>& record, size_t at, std::string_view name) {
  for (size_t i = 0; i < 20; ++i) {
    record[at + i] = i < name.size() ? static_cast<uint8_t>(name[i]) : ' ';
  }
}

}  // namespace

void WriteEventMap(const std::filesystem::path& dataDir, std::string_view name, int size,
                   const std::vector<EventCell>& events) {
  std::filesystem::create_directories(dataDir);
  const std::string layerName = "EV" + std::string(name) + ".MAP";
  std::vector<uint8_t> record(192, 0);
  record[0] = static_cast<uint8_t>(size & 0xFF);
  record[1] = static_cast<uint8_t>(size >> 8);
  PutName(record, 2, kNotSet);
  PutName(record, 22, layerName);
  PutName(record, 42, kNotSet);
  for (int k = 3; k < 7; ++k) PutName(record, 2 + 20 * static_cast<size_t>(k), kNotSet);
  WriteBytes(dataDir / ("MAP(" + std::string(name) + ").PRO"), record);

  const size_t side = static_cast<size_t>(size) + 1;
  std::vector<uint8_t> layer(side * side, 0);
  for (const EventCell& e : events) layer[static_cast<size_t>(e.y) * side + e.x] = e.code;
  WriteBytes(dataDir / layerName, layer);
}

}  // namespace korvela::testing
