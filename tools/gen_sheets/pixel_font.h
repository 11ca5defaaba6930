#pragma once
// A tiny 5 x 7 bitmap font for numbers and short labels inside sprites and tiles, where a
// smoothed typeface would leave grey pixels in a mask.

#include <string_view>

#include "canvas.h"

namespace sheets {

// Draws digits and the capital letters the sheets use; each character advances 6 pixels.
void PixelText(Canvas& canvas, int x, int y, std::string_view text, Color c, int scale = 1);
int PixelTextWidth(std::string_view text, int scale = 1);

}  // namespace sheets
