#pragma once
// A throw-away DATA folder for tests: a fresh temporary folder, and small map files the real
// loader reads (layer 2 with chosen event codes; layer 1 and the texts not set).

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "support/temp_files.h"

namespace korvela::testing {

struct EventCell {
  int x, y;
  uint8_t code;
};

// Writes "MAP(" + name + ").PRO" of the given size field into dataDir, with a layer-2 file that
// holds `events` (every other cell 0).
void WriteEventMap(const std::filesystem::path& dataDir, std::string_view name, int size,
                   const std::vector<EventCell>& events = {});

}  // namespace korvela::testing
