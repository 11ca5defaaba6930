#pragma once
// What the game asks of the operating system, and nothing more. SdlPlatform is the real window;
// HeadlessPlatform runs the same game on a virtual clock with scripted keys and a log.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/input_record.h"
#include "platform/keys.h"
#include "platform/surface.h"

namespace platform {

// Window events. They reach the game only inside Platform::Yield.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void KeyUp(int virtualKeyCode) = 0;  // a key was released
  virtual void MusicTimer() = 0;               // the one-second music timer ticked
  virtual void Close() = 0;                    // the window is closing; ends the program
};

// A summary of the game at the end of a frame, for the headless log.
struct FrameRecord {
  int mode = 0;
  std::string map;  // the name of the map last loaded
  int originX = 0, originY = 0, scrollX = 0, scrollY = 0;
  int playerY = 0;
  int facing = 0, animStep = 0;
  float hp = 0, mp = 0;
  int exp = 0, level = 0;
  int shots = 0, fires = 0, bombs = 0, enemies = 0, bosses = 0, enemyShots = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Where window events go; set once by the game shell.
  void SetEventHandler(WindowEvents* handler) { events_ = handler; }

  // Milliseconds since some fixed point; wraps like a 32-bit counter.
  virtual uint32_t Clock() = 0;
  // Waits; window events are not dispatched (key presses are still collected).
  virtual void Sleep(uint32_t ms) = 0;
  // Dispatches pending window events: key releases, the music timer tick, closing.
  virtual void Yield() = 0;
  // Asynchronous key state; clears the key's pressed-since-last-query memory.
  virtual KeyState QueryKey(Key key) = 0;

  // Shows the finished play surface.
  virtual void Present(const Surface& crt) = 0;
  virtual void SetCaption(std::string_view utf8) = 0;

  // The MIDI music device, driven by classic media command strings ("open \"F\" alias MIDI",
  // "play MIDI notify", "status MIDI mode", ...). Returns the reply text; errors give "".
  virtual std::string SendMusicCommand(std::string_view command) = 0;
  // Starts a WAV sound effect and returns at once; a new one replaces the one playing.
  virtual void PlaySound(const std::filesystem::path& wav) = 0;

  // A fatal message for the player: stderr, and in the window a page that waits until the
  // player dismisses it.
  virtual void ShowError(std::string_view message) = 0;
  // Notes for the headless log; the real window ignores them.
  virtual void NoteFileWritten(const std::filesystem::path& /*path*/) {}
  virtual void NoteFrame(const FrameRecord& /*record*/) {}

  // Writes every key change (and the close) from now on to the recorder, tagged with the
  // game's moment: how many key queries and yields it had made when the change reached it.
  void RecordInput(std::unique_ptr<InputRecorder> recorder) { recorder_ = std::move(recorder); }
  uint64_t Moment() const { return moment_; }

 protected:
  // For the platforms: a key query or yield is over; a key change or close reached the game.
  void CountMoment() { ++moment_; }
  void NoteInput(InputEvent::Kind kind, Key key) {
    if (!recorder_) return;
    InputEvent e;
    e.kind = kind;
    e.key = key;
    e.moment = moment_;
    recorder_->Write(e);
  }

  WindowEvents* events_ = nullptr;

 private:
  uint64_t moment_ = 0;
  std::unique_ptr<InputRecorder> recorder_;
};

// Thrown from Yield when the window closes (or the headless run reaches its end); the program
// unwinds to main and exits.
struct QuitRequested {};

}  // namespace platform
