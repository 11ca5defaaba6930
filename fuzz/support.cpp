#include "support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace fuzz {

namespace {

struct Scratch {
  std::filesystem::path path;
  Scratch() {
    path = std::filesystem::temp_directory_path() /
           ("korvela-fuzz-" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

const std::filesystem::path& ScratchDir() {
  static const Scratch scratch;
  return scratch.path;
}

void WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    // Without its files a run tests nothing; stop rather than report false results.
    std::abort();
  }
}

std::filesystem::path SourceDir() { return KORVELA_SOURCE_DIR; }
std::filesystem::path BuildDir() { return KORVELA_BUILD_DIR; }

}  // namespace fuzz
