#pragma once
// Recordings that replay exactly: the window's --record file holds, besides the keys, the
// random seed and the save the game started from, and a headless replay starts from them.

#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"
#include "platform/input_script.h"

namespace korvela {

// Starts recording this run: fixes the seed (a fresh one unless one was given, since a seed
// taken from the clock could not be known to a replay), writes it and the save the game starts
// from as the file's header, and has the platform record every key change after it. Returns
// false with *error when the file cannot be written.
bool StartRecording(Game& g, const std::filesystem::path& path, std::string* error);

// Before a replay: the recording's seed unless the command line named one, and its starting
// save put in place when the save folder is a scratch one (a folder named by the player is left
// alone). Whatever will make the replay part from the recording is said in *problems.
void PrepareReplay(Game& g, const platform::InputScript& script, bool scratchSave,
                   std::vector<std::string>* problems);

}  // namespace korvela
