#pragma once
// Where the game finds its data and keeps its save.
//
// A build or an unpacked copy keeps everything beside the program (portable). When that folder
// cannot be written (an installed copy), the save goes to the player's data folder instead.
// `save_dir` (or --save-dir) names the folder outright. Switching between the two never loses
// a save: when the chosen folder has none, a save found in the other place is copied in.

#include <filesystem>
#include <string>
#include <vector>

namespace korvela {

struct FolderChoice {
  std::filesystem::path gameDir;  // holds DATA/ and Sound/
  std::filesystem::path assetDir;
  std::filesystem::path saveDir;
  // A save found elsewhere and copied into saveDir (empty when none was needed).
  std::filesystem::path adoptedSave;
  bool scratch = false;  // saveDir is a temporary folder, to be removed at the end
};

struct FolderRequest {
  std::filesystem::path programDir;   // the folder of the program file
  std::filesystem::path dataDir;      // --data DIR, or empty
  std::filesystem::path saveDir;      // save_dir or --save-dir, or empty
  std::filesystem::path userDataDir;  // $XDG_DATA_HOME/korvela
  // Saves go to a fresh temporary folder (holding a copy of the player's save) unless a save
  // or data folder is named: a headless run never writes the player's own save.
  bool scratchSave = false;
};

// Removes the temporary save folder of a scratch choice; any other choice is left alone.
void RemoveScratch(const FolderChoice& c);

// The player's data folder: $XDG_DATA_HOME/korvela, or ~/.local/share/korvela.
std::filesystem::path UserDataDir();
// The pictures folder ($XDG_PICTURES_DIR, or the one named in ~/.config/user-dirs.dirs), or
// empty when there is none.
std::filesystem::path PicturesDir();

// Where F12's screenshots go: the folder named in the settings, or the pictures folder, or
// "screenshots" in the player's data folder.
std::filesystem::path ScreenshotDir(const std::string& setting);

// Decides the folders and adopts an old save. Problems (a folder that cannot be made, a save
// that cannot be copied) are named in *problems; the game still starts.
FolderChoice ChooseFolders(const FolderRequest& r, std::vector<std::string>* problems);

}  // namespace korvela
