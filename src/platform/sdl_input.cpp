#include "platform/sdl_input.h"

#include <cstdlib>

namespace platform {

namespace {

// A stick counts as pushed past about half way, and as let go below a third, so that a stick
// resting near the threshold does not chatter.
constexpr int kAxisPress = 16000;
constexpr int kAxisRelease = 11000;

constexpr int kKeyboardSource = -1;
// Controller sources: the instance id, with buttons and axes told apart by their code.
constexpr int kAxisCodeBase = 1000;

}  // namespace

SdlInput::SdlInput(const InputBindings& bindings, Changed changed) : changed_(std::move(changed)) {
  for (int i = 0; i < kKeyCount; ++i) {
    const Key key = static_cast<Key>(i);
    for (const std::string& name : BindingNames(bindings.keyboard[i])) {
      const SDL_Keycode code = SDL_GetKeyFromName(name.c_str());
      if (code != SDLK_UNKNOWN) keyboard_[code].push_back(key);
    }
    for (const std::string& name : BindingNames(bindings.pad[i])) {
      const auto button = SDL_GameControllerGetButtonFromString(name.c_str());
      if (button != SDL_CONTROLLER_BUTTON_INVALID) {
        buttons_[button].push_back(key);
        continue;
      }
      const auto axis =
          SDL_GameControllerGetAxisFromString(name.substr(0, name.size() - 1).c_str());
      if (axis != SDL_CONTROLLER_AXIS_INVALID) {
        axes_[{axis, name.back() == '-' ? -1 : 1}].push_back(key);
      }
    }
  }
}

SdlInput::~SdlInput() {
  for (auto& [id, controller] : controllers_) SDL_GameControllerClose(controller);
}

bool SdlInput::Handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN: {
      if (e.key.repeat) return true;  // the desktop's key repeat
      const auto found = keyboard_.find(e.key.keysym.sym);
      if (found != keyboard_.end()) {
        SourceDown({kKeyboardSource, e.key.keysym.sym}, found->second);
      }
      return true;
    }
    case SDL_KEYUP:
      SourceUp({kKeyboardSource, e.key.keysym.sym});
      return true;
    case SDL_CONTROLLERBUTTONDOWN: {
      const auto found = buttons_.find(e.cbutton.button);
      if (found != buttons_.end()) {
        SourceDown({e.cbutton.which, e.cbutton.button}, found->second);
      }
      return true;
    }
    case SDL_CONTROLLERBUTTONUP:
      SourceUp({e.cbutton.which, e.cbutton.button});
      return true;
    case SDL_CONTROLLERAXISMOTION:
      Axis(e.caxis.which, e.caxis.axis, e.caxis.value);
      return true;
    case SDL_CONTROLLERDEVICEADDED:
      Added(e.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Removed(e.cdevice.which);
      return true;
    default:
      return false;
  }
}

void SdlInput::SourceDown(const Source& source, const std::vector<Key>& keys) {
  if (!down_.emplace(source, keys).second) return;  // already held
  for (const Key key : keys) {
    if (holders_[static_cast<int>(key)]++ == 0) changed_(key, true);
  }
}

void SdlInput::SourceUp(const Source& source) {
  const auto found = down_.find(source);
  if (found == down_.end()) return;
  const std::vector<Key> keys = found->second;
  down_.erase(found);
  for (const Key key : keys) {
    if (--holders_[static_cast<int>(key)] == 0) changed_(key, false);
  }
}

void SdlInput::Axis(SDL_JoystickID id, int axis, int value) {
  int& side = axisSide_[{id, axis}];
  int now = side;
  if (std::abs(value) >= kAxisPress) now = value < 0 ? -1 : 1;
  if (std::abs(value) < kAxisRelease) now = 0;
  if (now == side) return;
  if (side != 0) SourceUp({id, kAxisCodeBase + axis * 2 + (side > 0)});
  side = now;
  if (now == 0) return;
  const auto found = axes_.find({axis, now});
  if (found != axes_.end()) SourceDown({id, kAxisCodeBase + axis * 2 + (now > 0)}, found->second);
}

void SdlInput::Added(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (!controllers_.emplace(id, controller).second) SDL_GameControllerClose(controller);
}

void SdlInput::Removed(SDL_JoystickID id) {
  std::vector<Source> held;
  for (const auto& [source, keys] : down_) {
    if (source.first == id) held.push_back(source);
  }
  for (const Source& s : held) SourceUp(s);
  for (auto it = axisSide_.begin(); it != axisSide_.end();) {
    it = it->first.first == id ? axisSide_.erase(it) : std::next(it);
  }
  const auto found = controllers_.find(id);
  if (found == controllers_.end()) return;
  SDL_GameControllerClose(found->second);
  controllers_.erase(found);
}

}  // namespace platform
