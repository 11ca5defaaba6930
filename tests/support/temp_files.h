#pragma once
// Temporary folders and whole-file reads and writes for tests.

#include <cstdint>
#include <filesystem>
#include <string>
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

// A fresh empty folder of a unique name under the system's temporary folder; the caller removes it.
std::filesystem::path FreshTempDir(const std::string& name);

// Writes text or bytes to a file, replacing it (WriteFile also makes the folders above it).
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace korvela::testing
