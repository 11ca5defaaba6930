#pragma once
// The headless platform with a player at the keyboard: after every frame, and whenever the game
// has been waiting a while without drawing a frame, the player looks at what is on screen and
// answers by pressing and releasing keys. Every key change is scheduled one millisecond after
// the moment the player decided, as an ordinary script event, so the finished script replayed
// by the plain headless game presses the same keys at the same times.

#include <bitset>
#include <cstdint>
#include <string>

#include "game/game.h"
#include "platform/headless_platform.h"

namespace autoplay {

using KeySet = std::bitset<platform::kKeyCount>;

// What the player sees and hears at one moment. The game is read, never written: the map on
// screen, the heroine's numbers the frame record carries, and the enemies, bosses and bullets
// drawn on the play screen.
struct Senses {
  uint64_t now = 0;
  const platform::FrameRecord* frame = nullptr;  // null while the game waits between frames
  uint64_t quietMs = 0;                          // time since the last frame
  const korvela::Game* game = nullptr;
};

class Brain {
 public:
  virtual ~Brain() = default;
  // Which keys should be held from now on.
  virtual KeySet Decide(const Senses& s) = 0;
  // What the player hears: music commands, sound effects, the caption, files written.
  virtual void Hear(const std::string& what, const std::string& detail) = 0;
};

class BotPlatform : public platform::HeadlessPlatform {
 public:
  BotPlatform(platform::HeadlessOptions options, Brain& brain);
  void Watch(const korvela::Game& game) { game_ = &game; }

  void Sleep(uint32_t ms) override;
  void NoteFrame(const platform::FrameRecord& record) override;
  void SetCaption(std::string_view utf8) override;
  std::string SendMusicCommand(std::string_view command) override;
  void PlaySound(const std::filesystem::path& wav) override;
  void NoteFileWritten(const std::filesystem::path& path) override;

  // Ends the run: the game quits one millisecond from now.
  void Quit();
  // The keys pressed so far, as an input script.
  std::string Script() const;
  uint64_t VirtualMs() const { return Now(); }

 private:
  void Answer(const Senses& s);

  Brain& brain_;
  const korvela::Game* game_ = nullptr;
  KeySet held_;
  uint64_t lastFrameAt_ = 0;
  bool quitting_ = false;
};

}  // namespace autoplay
