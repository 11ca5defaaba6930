#include "platform/input_bindings.h"

#include <SDL.h>

namespace platform {

InputBindings DefaultBindings() {
  InputBindings b;
  for (int i = 0; i < kKeyCount; ++i) b.keyboard[i] = std::string(kKeyNames[i]);
  b.pad = {"dpup,lefty-",
           "dpdown,lefty+",
           "dpleft,leftx-",
           "dpright,leftx+",
           "y,start",
           "a",
           "",
           "x",
           "b",
           "leftshoulder",
           "rightshoulder",
           "back"};
  return b;
}

std::vector<std::string> BindingNames(std::string_view text) {
  std::vector<std::string> names;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    std::string_view name = text.substr(0, comma);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) names.emplace_back(name);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return names;
}

std::string UnknownKeyboardName(std::string_view text) {
  for (const std::string& name : BindingNames(text)) {
    if (SDL_GetKeyFromName(name.c_str()) == SDLK_UNKNOWN) return name;
  }
  return "";
}

std::string UnknownPadName(std::string_view text) {
  for (const std::string& name : BindingNames(text)) {
    if (SDL_GameControllerGetButtonFromString(name.c_str()) != SDL_CONTROLLER_BUTTON_INVALID) {
      continue;
    }
    const char last = name.back();
    if ((last == '+' || last == '-') &&
        SDL_GameControllerGetAxisFromString(name.substr(0, name.size() - 1).c_str()) !=
            SDL_CONTROLLER_AXIS_INVALID) {
      continue;
    }
    return name;
  }
  return "";
}

}  // namespace platform
