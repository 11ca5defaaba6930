#pragma once
// The page a fatal error shows in the window: the message in the game's own Japanese face,
// wrapped to the play screen, and how to close it. (The desktop's own message box may have no
// Japanese font at all.)

#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/surface.h"

namespace platform {

// The text as lines that fit `width` pixels: a new line at each newline and before the first
// character that would overflow (Japanese has no spaces to break at, and a long path breaks
// anywhere). Characters are never split.
std::vector<std::string> WrapText(std::string_view utf8, const Font& font, int width);

// The page, the size of the play screen.
Surface ErrorPage(std::string_view message, const Font& font);

}  // namespace platform
