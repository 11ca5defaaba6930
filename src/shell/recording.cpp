#include "shell/recording.h"

#include <algorithm>
#include <random>
#include <system_error>

#include "game/save_file.h"

namespace korvela {

namespace {

// The save as the game would read it: its first bytes, or none when it cannot be read.
std::vector<uint8_t> SaveAsRead(const Game& g) {
  PlayerRecord p;
  std::string why;
  if (!ReadSaveFile(SaveFilePath(g), &p, &why)) return {};
  const SaveImage image = EncodePlayerRecord(p);
  return {image.begin(), image.end()};
}

}  // namespace

bool StartRecording(Game& g, const std::filesystem::path& path, std::string* error) {
  if (!g.RandomSeed) g.RandomSeed = std::random_device{}();
  auto recorder = platform::InputRecorder::Open(
      path, platform::FormatRecordingHeader(*g.RandomSeed, SaveAsRead(g)), error);
  if (!recorder) return false;
  g.platform.RecordInput(std::move(recorder));
  return true;
}

void PrepareReplay(Game& g, const platform::InputScript& script, bool scratchSave,
                   std::vector<std::string>* problems) {
  if (script.seed) {
    if (g.RandomSeed && *g.RandomSeed != *script.seed) {
      problems->push_back("--seed " + std::to_string(*g.RandomSeed) + " replaces the recording's " +
                          std::to_string(*script.seed) + "; the replay will not follow it");
    } else {
      g.RandomSeed = script.seed;
    }
  }
  if (!script.startSave || *script.startSave == SaveAsRead(g)) return;
  const std::filesystem::path path = SaveFilePath(g);
  if (!scratchSave) {
    problems->push_back("the save in " + path.parent_path().string() +
                        " is not the one the recording started from; the replay may part from it");
    return;
  }
  std::string why;
  if (script.startSave->empty()) {
    std::error_code ec;
    if (std::filesystem::remove(path, ec) || !ec) return;
    why = ec.message();
  } else if (script.startSave->size() != kSaveFileBytes) {
    why = "the recording's save holds " + std::to_string(script.startSave->size()) +
          " bytes, not " + std::to_string(kSaveFileBytes);
  } else {
    SaveImage image;
    std::copy(script.startSave->begin(), script.startSave->end(), image.begin());
    if (WriteSaveFile(path, DecodePlayerRecord(image), &why)) return;
  }
  problems->push_back("the replay cannot start from the recording's save: " + why);
}

}  // namespace korvela
