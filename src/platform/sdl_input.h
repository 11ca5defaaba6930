#pragma once
// Turns the desktop's keyboard and game-controller events into presses and releases of the
// game's twelve keys, through the player's bindings. A game key may be held from several
// places at once (an arrow and the d-pad); it is released when the last of them lets go.
// Controllers are opened when plugged in and forgotten when pulled out (what they held is
// released then).

#include <SDL.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/input_bindings.h"
#include "platform/keys.h"

namespace platform {

class SdlInput {
 public:
  // `changed(key, down)` is called when a game key goes down or comes up.
  using Changed = std::function<void(Key, bool)>;
  SdlInput(const InputBindings& bindings, Changed changed);
  ~SdlInput();
  SdlInput(const SdlInput&) = delete;
  SdlInput& operator=(const SdlInput&) = delete;

  // Takes an event if it is one of the keyboard's or a controller's; returns false otherwise.
  bool Handle(const SDL_Event& e);
  int OpenControllers() const { return static_cast<int>(controllers_.size()); }

 private:
  // One physical input: a keyboard key, a controller button, or one direction of an axis.
  using Source = std::pair<int, int>;  // (kind and controller, code)
  void SourceDown(const Source& source, const std::vector<Key>& keys);
  void SourceUp(const Source& source);
  void Axis(SDL_JoystickID id, int axis, int value);
  void Added(int deviceIndex);
  void Removed(SDL_JoystickID id);

  std::map<SDL_Keycode, std::vector<Key>> keyboard_;
  std::map<int, std::vector<Key>> buttons_;               // by SDL_GameControllerButton
  std::map<std::pair<int, int>, std::vector<Key>> axes_;  // by (axis, -1 or +1)
  std::map<Source, std::vector<Key>> down_;               // sources held, with their keys
  std::array<int, kKeyCount> holders_{};
  std::map<SDL_JoystickID, SDL_GameController*> controllers_;
  std::map<std::pair<SDL_JoystickID, int>, int> axisSide_;  // -1, 0, +1 per axis
  Changed changed_;
};

}  // namespace platform
