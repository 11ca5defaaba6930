#pragma once
// What the fuzz targets share: a scratch folder of their own for the files a loader reads, and
// the folders of the source tree and the build.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace fuzz {

// A folder made once per process under the system's temporary folder and removed at exit.
const std::filesystem::path& ScratchDir();
// Replaces the file with exactly these bytes.
void WriteWhole(const std::filesystem::path& path, std::string_view bytes);
// The fuzzer's input as text.
inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Where the game's data comes from: the sources (data/) and what the build made (DATA/).
std::filesystem::path SourceDir();
std::filesystem::path BuildDir();

}  // namespace fuzz
