#include "support/odd_files.h"

#include <sys/stat.h>

#include <stdexcept>

namespace korvela::testing {

const std::vector<OddFileCase>& OddFiles() {
  static const std::vector<OddFileCase> cases = {
      {OddFile::Folder, "a folder", "folder"},
      {OddFile::Fifo, "a FIFO", "FIFO"},
      {OddFile::LinkLoop, "a symlink loop", "symbolic links"},
      {OddFile::NameTooLong, "a name too long", "too long"},
  };
  return cases;
}

std::filesystem::path MakeOddFile(const std::filesystem::path& path, OddFile kind) {
  namespace fs = std::filesystem;
  fs::create_directories(path.parent_path());
  switch (kind) {
    case OddFile::Folder:
      fs::create_directory(path);
      return path;
    case OddFile::Fifo:
      if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("cannot make a FIFO");
      return path;
    case OddFile::LinkLoop:
      fs::create_symlink(path.filename().string() + ".other", path);
      fs::create_symlink(path.filename(), path.string() + ".other");
      return path;
    case OddFile::NameTooLong:
      return path.parent_path() / (path.filename().string() + std::string(300, 'x'));
  }
  return path;
}

}  // namespace korvela::testing
