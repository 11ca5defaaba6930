#include "support/temp_files.h"

#include <stdlib.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace korvela::testing {

std::filesystem::path FreshTempDir(const std::string& name) {
  // Test names may hold characters a file name cannot ("Suite/Case"): keep letters and digits.
  std::string safe = name;
  for (char& c : safe) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
  }
  std::string pattern =
      (std::filesystem::temp_directory_path() / ("korvela-" + safe + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  return pattern;
}

TempDir::TempDir() : path_(FreshTempDir("test")) {}

TempDir::~TempDir() {
  std::error_code ec;
  // Files a test made read-only must not keep the folder from going.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace korvela::testing
