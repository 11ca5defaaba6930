#pragma once
// Things that stand where a test's program expects a file but are no readable file: a folder, a
// FIFO nobody writes to, a symlink loop, a name longer than the system takes. Every reader of
// the game must refuse them with a message, never hang on them or abort.

#include <filesystem>
#include <string>
#include <vector>

namespace korvela::testing {

enum class OddFile { Folder, Fifo, LinkLoop, NameTooLong };

struct OddFileCase {
  OddFile kind;
  const char* name;     // for failure messages
  const char* because;  // a piece of the reason every reader gives (English, from the system)
};

// Every kind, with what its reason says.
const std::vector<OddFileCase>& OddFiles();

// Puts the odd thing at `path` and gives the path a reader should be handed (for NameTooLong, a
// name beside `path` too long to open).
std::filesystem::path MakeOddFile(const std::filesystem::path& path, OddFile kind);

}  // namespace korvela::testing
