#pragma once
// Reading files that may have been edited by hand or be something else entirely: only regular
// files are read, never more bytes than the caller asks for, and nothing blocks or throws.

#include <cstddef>
#include <filesystem>
#include <string>

namespace platform {

struct FileBytes {
  enum class Problem {
    None,
    Missing,     // nothing at that path (or a link to nothing)
    Folder,      // a folder stands at that path
    NotRegular,  // a FIFO, device or socket
    Unreadable,  // the system refused (permissions, a link loop, a name too long, ...)
  };
  std::string bytes;  // the first bytes of the file, at most the number asked for
  Problem problem = Problem::None;
  std::string why;  // a short English reason when problem != None

  bool Ok() const { return problem == Problem::None; }
};

// Reads at most maxBytes from the start of the file at path. The file is opened without
// blocking and checked to be a regular file after opening, so a FIFO cannot hang the game and
// a folder is never handed to a decoder.
FileBytes ReadRegularFile(const std::filesystem::path& path, size_t maxBytes);

}  // namespace platform
