#pragma once
// A throw-away DATA folder for tests: a fresh temporary folder, and small map files the real
// loader reads (layer 2 with chosen event codes; layer 1 and the texts not set).

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace korvela::testing {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct EventCell {
  int x, y;
  uint8_t code;
};

// Writes "MAP(" + name + ").PRO" of the given size field into dataDir, with a layer-2 file that
// holds `events` (every other cell 0).
void WriteEventMap(const std::filesystem::path& dataDir, std::string_view name, int size,
                   const std::vector<EventCell>& events = {});

// Writes bytes to a file, replacing it.
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace korvela::testing
