#pragma once
// Where the 480 x 384 play screen goes in the window, and the processor's way of putting it
// there: whole-multiple nearest-neighbour scaling into a pixel buffer, black bars around it.
// Nothing here knows SDL; the window code hands in its pixel buffers.

#include <cstdint>

namespace platform {

constexpr int kPlayWidth = 480;
constexpr int kPlayHeight = 384;

struct ScreenRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Where the play screen goes in a drawing area of the given size: the largest whole multiple
// that fits (at least 1, cropped evenly when even that does not fit), centred.
ScreenRect LetterboxRect(int areaWidth, int areaHeight);

// Rows of 32-bit pixels; `pitch` is the distance from one row to the next, in pixels.
struct PixelRows {
  uint32_t* pixels = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;
};

// Paints `src` scaled by `LetterboxRect`'s whole multiple at `LetterboxRect`'s place in `dst`,
// each source pixel a scale x scale block; what falls outside `dst` is cut off. With `bars`,
// everything of `dst` around the picture is painted `barColor`. Returns the painted picture's
// box within `dst` (empty when none of it shows).
ScreenRect PaintLetterboxed(const uint32_t* src, int srcPitch, PixelRows dst, bool bars,
                            uint32_t barColor);

}  // namespace platform
