#pragma once
// Lettering for the title picture: text from the game's typeface, filled with any paint and
// given an outline and a drop shadow.

#include <string_view>

#include "canvas.h"

namespace platform {
class Font;
}

namespace sheets {

struct Lettering {
  Paint fill = Paint(0xFFFFFF);
  Color outline = kNoRim;
  int outlineWidth = 0;
  Color shadow = kNoRim;
  int shadowOffset = 0;
};

// Opens the game's typeface at the given size; the generator cannot go on without it.
const platform::Font& TypeFace(int points);
int TextWidth(int points, std::string_view utf8);
// Draws the text with its top-left corner at (x, y).
void DrawText(Canvas& c, int x, int y, int points, std::string_view utf8, const Lettering& style);
// The same, centred on column cx.
void DrawTextCentred(Canvas& c, int cx, int y, int points, std::string_view utf8,
                     const Lettering& style);

}  // namespace sheets
