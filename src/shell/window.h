#pragma once
// The window's own events: load, unload, key release and the music timer.

#include "game/game.h"
#include "platform/platform.h"

namespace korvela {

// Sizes the play surfaces, sets the caption and loads the picture sheets.
void Form_Load(Game& g);
// Closes the music and ends the program (throws platform::QuitRequested).
[[noreturn]] void Form_Unload(Game& g);
// Releasing S or D re-arms the selection keys; releasing X or C re-arms the fire attack.
void Crt_KeyUp(Game& g, int16_t keyCode);

// Routes the platform's window events to the handlers above.
class ShellEvents : public platform::WindowEvents {
 public:
  explicit ShellEvents(Game& g) : g_(g) {}
  void KeyUp(int virtualKeyCode) override;
  void MusicTimer() override;
  void Close() override;

 private:
  Game& g_;
};

}  // namespace korvela
