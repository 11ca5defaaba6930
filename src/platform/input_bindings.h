#pragma once
// Which keyboard keys and game-controller inputs press each of the game's twelve keys. Each
// binding is a comma-separated list of names: SDL's key names for the keyboard ("Up", "Z",
// "Keypad 8"), and for a pad its button names ("a", "dpup", "back") or an axis with a direction
// ("leftx-", "lefty+", "triggerright+").

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"

namespace platform {

struct InputBindings {
  std::array<std::string, kKeyCount> keyboard;
  std::array<std::string, kKeyCount> pad;
};

InputBindings DefaultBindings();

// The names of a binding, trimmed; an empty text gives none.
std::vector<std::string> BindingNames(std::string_view text);
// Empty when every name of the list is known, otherwise the first unknown name.
std::string UnknownKeyboardName(std::string_view text);
std::string UnknownPadName(std::string_view text);

}  // namespace platform
