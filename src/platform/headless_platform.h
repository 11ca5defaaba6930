#pragma once
// The game without a window: a virtual clock that only Sleep advances, keys from an input
// script, and every observable effect written to a JSON-lines log with its virtual time.

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/event_log.h"
#include "platform/input_script.h"
#include "platform/platform.h"

namespace platform {

struct HeadlessOptions {
  std::vector<InputEvent> input;
  bool inputByMoment = false;       // the input is tagged with the game's moments, not times
  std::optional<uint32_t> untilMs;  // close the game once the clock reaches this
  std::vector<std::pair<uint32_t, std::filesystem::path>> shots;  // write the screen at these
  std::filesystem::path logPath;                                  // empty: no log
  // Keep every effect in memory for Effects() (tests); a long run writes them to the log only.
  bool keepEffects = true;
};

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(HeadlessOptions options = {});
  ~HeadlessPlatform() override;

  uint32_t Clock() override;
  void Sleep(uint32_t ms) override;
  void Yield() override;
  KeyState QueryKey(Key key) override;
  void Present(const Surface& crt) override;
  void SetCaption(std::string_view utf8) override;
  std::string SendMusicCommand(std::string_view command) override;
  void PlaySound(const std::filesystem::path& wav) override;
  void ShowError(std::string_view message) override;
  void NoteFileWritten(const std::filesystem::path& path) override;
  void NoteFrame(const FrameRecord& record) override;

  // Writes the screenshots still due (with the last frame shown) and closes the log.
  void Finish();

  // For tests: press or release a key now, as the script would; make every Present take
  // some virtual time, as a slow frame would.
  void Press(Key key);
  void Release(Key key);
  void SetPresentCost(uint32_t ms) { presentCost_ = ms; }
  void RequestQuit();

  // What happened, for tests (empty unless options.keepEffects).
  struct Effect {
    uint32_t ms;
    std::string what;  // "sound", "music", "caption", "file", "error"
    std::string detail;
  };
  const std::vector<Effect>& Effects() const { return effects_; }
  const std::string& Caption() const { return caption_; }
  const Surface& LastFrame() const { return lastFrame_; }
  int FramesPresented() const { return framesPresented_; }
  const FrameRecord& LastRecord() const { return lastRecord_; }
  const std::string& MusicStatusForTest() { return musicState_; }

 protected:
  // For a player program built on this platform: the virtual time now, a key change it makes
  // (no earlier than now; kept in time order after the events already due at that time), and
  // every event of the run so far, which is an ordinary input script.
  uint64_t Now() const { return now_; }
  void ScheduleInput(const InputEvent& e);
  const std::vector<InputEvent>& ScriptEvents() const { return options_.input; }

 private:
  void Advance(uint32_t ms);  // moves the clock, applying script events and shots on the way
  bool InputDue() const;
  void ApplyDueInput();
  void WriteDueShots();
  void Record(const std::string& what, const std::string& detail);

  HeadlessOptions options_;
  size_t nextInput_ = 0;
  size_t nextShot_ = 0;
  uint64_t now_ = 0;
  uint64_t lastTimerTick_ = 0;
  uint32_t presentCost_ = 0;
  std::array<bool, kKeyCount> held_{};
  std::array<bool, kKeyCount> pressed_{};
  std::deque<int> releases_;  // virtual-key codes waiting for Yield
  bool quitPending_ = false;
  std::string caption_;
  Surface lastFrame_;
  int framesPresented_ = 0;
  FrameRecord lastRecord_;
  std::vector<Effect> effects_;
  EventLog log_;

  // The simulated MIDI device: a track plays for its length, then reports "stopped".
  bool musicOpen_ = false;
  bool musicPlaying_ = false;
  uint64_t musicStartedAt_ = 0;  // clock time at which position 0 played
  uint64_t musicPosition_ = 0;   // position when stopped
  uint32_t musicLength_ = 0;
  std::string musicState_;
};

}  // namespace platform
