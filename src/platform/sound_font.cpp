#include "platform/sound_font.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/regular_file.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);  // follows links; a broken one is no file
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool IsSoundFontName(const fs::path& path) {
  const std::string ext = Lower(path.extension().string());
  return ext == ".sf2" || ext == ".sf3";
}

// The non-empty pieces of a list such as "a:b" or "a;b".
std::vector<std::string> Split(std::string_view list, char separator) {
  std::vector<std::string> pieces;
  for (size_t start = 0; start <= list.size();) {
    size_t end = list.find(separator, start);
    if (end == std::string_view::npos) end = list.size();
    if (end > start) pieces.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

// The SoundFont files of one folder, in name order.
std::vector<fs::path> SoundFontsIn(const fs::path& folder) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsSoundFontName(it->path()) && IsFile(it->path())) found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

// Lower is better: the font the game sounds right with, the system's default, anything else.
int Rank(const fs::path& file) {
  const std::string name = Lower(file.filename().string());
  if (name == "timgm6mb.sf2") return 0;
  if (name == "default-gm.sf2" || name == "default-gm.sf3") return 1;
  return 2;
}

}  // namespace

std::vector<fs::path> UsualSoundFontFolders() {
  std::vector<fs::path> roots;
  if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome) {
    roots.emplace_back(dataHome);
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    roots.push_back(fs::path(home) / ".local" / "share");
  }
  std::string dataDirs = "/usr/local/share:/usr/share";
  if (const char* dirs = std::getenv("XDG_DATA_DIRS"); dirs && *dirs) dataDirs = dirs;
  for (const std::string& dir : Split(dataDirs, ':')) roots.emplace_back(dir);
  std::vector<fs::path> folders;
  for (const fs::path& root : roots) {
    for (const char* sub : {"soundfonts", "sounds/sf2", "sounds/sf3"})
      folders.push_back(root / sub);
  }
  return folders;
}

fs::path FindSoundFont(const fs::path& chosen, std::string_view envList,
                       const std::vector<fs::path>& folders) {
  if (!chosen.empty()) return IsFile(chosen) ? chosen : fs::path();
  for (const std::string& entry : Split(envList, ';')) {
    if (IsFile(entry)) return entry;
  }
  fs::path best;
  int bestRank = 3;
  for (const fs::path& folder : folders) {
    for (const fs::path& file : SoundFontsIn(folder)) {
      if (Rank(file) < bestRank) {
        best = file;
        bestRank = Rank(file);
      }
    }
  }
  return best;
}

bool LooksLikeSoundFont(const fs::path& file, std::string* why) {
  const FileBytes head = ReadRegularFile(file, 12);
  if (!head.Ok()) {
    *why = head.why;
    return false;
  }
  if (head.bytes.size() < 12 || head.bytes.substr(0, 4) != "RIFF" ||
      head.bytes.substr(8, 4) != "sfbk") {
    *why = "not a SoundFont file";
    return false;
  }
  return true;
}

}  // namespace platform
