#include "shell/folders.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace korvela {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaveName = "SaveData.DAT";

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

fs::path Home() {
  const std::string home = Env("HOME");
  return home.empty() ? fs::path(".") : fs::path(home);
}

bool IsWritableFolder(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

bool HasSave(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / kSaveName, ec);
}

// An installed copy keeps its data in ../share/korvela beside bin/; a build or an unpacked
// copy keeps it beside the program.
fs::path InstalledGameDir(const fs::path& programDir) {
  std::error_code ec;
  const fs::path shared = programDir.parent_path() / "share" / "korvela";
  if (!fs::is_directory(programDir / "DATA", ec) && fs::is_directory(shared / "DATA", ec)) {
    return shared;
  }
  return {};
}

// A fresh folder under the system's temporary folder, or empty when none can be made.
fs::path MakeScratchFolder() {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "korvela-save-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return {};
  return pattern;
}

}  // namespace

fs::path UserDataDir() {
  const std::string xdg = Env("XDG_DATA_HOME");
  const fs::path base = xdg.empty() ? Home() / ".local" / "share" : fs::path(xdg);
  return base / "korvela";
}

fs::path PicturesDir() {
  std::error_code ec;
  if (const std::string env = Env("XDG_PICTURES_DIR"); !env.empty()) return env;
  // user-dirs.dirs holds lines such as XDG_PICTURES_DIR="$HOME/Pictures".
  const std::string config = Env("XDG_CONFIG_HOME");
  const fs::path dirs = (config.empty() ? Home() / ".config" : fs::path(config)) / "user-dirs.dirs";
  std::ifstream in(dirs);
  for (std::string line; std::getline(in, line);) {
    const std::string key = "XDG_PICTURES_DIR=\"";
    if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME", 0) == 0) value = Home().string() + value.substr(5);
    if (fs::is_directory(value, ec)) return value;
  }
  return {};
}

fs::path ScreenshotDir(const std::string& setting) {
  if (!setting.empty()) return setting;
  if (fs::path pictures = PicturesDir(); !pictures.empty()) return pictures;
  return UserDataDir() / "screenshots";
}

void RemoveScratch(const FolderChoice& c) {
  std::error_code ec;
  if (c.scratch) fs::remove_all(c.saveDir, ec);
}

FolderChoice ChooseFolders(const FolderRequest& r, std::vector<std::string>* problems) {
  FolderChoice c;
  const fs::path installed = InstalledGameDir(r.programDir);
  c.gameDir = !r.dataDir.empty() ? r.dataDir : !installed.empty() ? installed : r.programDir;
  c.assetDir = (installed.empty() ? r.programDir : installed) / "assets";

  // Where the save would be when the program's folder is used as it always was.
  const fs::path besideProgram = c.gameDir / "DATA";
  if (!r.saveDir.empty()) {
    c.saveDir = r.saveDir;
  } else if (!r.dataDir.empty() || (installed.empty() && IsWritableFolder(besideProgram))) {
    c.saveDir = besideProgram;
  } else {
    c.saveDir = r.userDataDir;
  }

  const bool toldWhere = !r.saveDir.empty() || !r.dataDir.empty();
  std::error_code ec;
  if (r.scratchSave && !toldWhere) {
    // A run that must not touch the player's save works on a copy in a folder of its own.
    const fs::path real = c.saveDir;
    c.saveDir = MakeScratchFolder();
    c.scratch = !c.saveDir.empty();
    if (!c.scratch) {
      // Saving will fail with a message naming the file; the player's save stays untouched.
      problems->push_back("cannot make a temporary save folder; saves will fail");
      c.saveDir = "/nonexistent/korvela-save";
      return c;
    }
    for (const fs::path& from : {real, besideProgram, r.userDataDir}) {
      if (!HasSave(from)) continue;
      fs::copy_file(from / kSaveName, c.saveDir / kSaveName, ec);
      break;
    }
    return c;
  }
  fs::create_directories(c.saveDir, ec);
  if (ec) problems->push_back("cannot make the save folder " + c.saveDir.string());
  if (toldWhere || HasSave(c.saveDir)) return c;
  // No save where it goes now: take the one from the other place, if there is one, as a copy
  // (the old file stays where it was).
  for (const fs::path& other : {besideProgram, r.userDataDir}) {
    if (other == c.saveDir || !HasSave(other)) continue;
    fs::copy_file(other / kSaveName, c.saveDir / kSaveName, ec);
    if (ec) {
      problems->push_back("cannot copy the save " + (other / kSaveName).string() + " to " +
                          c.saveDir.string() + ": " + ec.message());
    } else {
      c.adoptedSave = other / kSaveName;
    }
    break;
  }
  return c;
}

}  // namespace korvela
