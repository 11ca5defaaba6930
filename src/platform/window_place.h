#pragma once
// Where the window opens: the size, position and display remembered from the last run, made to
// fit the displays there are now. Nothing here knows SDL; the window code hands in the displays.

#include <vector>

#include "platform/letterbox.h"

namespace platform {

// The window as it was left: its size and position when not fullscreen (the position counted
// from the top-left of its display), whether it was fullscreen, and on which display.
struct WindowPlace {
  int width = 0, height = 0;  // 0: the scale's size
  int x = -1, y = -1;         // -1: centred on the display
  int display = 0;
  bool fullscreen = false;
};

struct OpenPlace {
  int display = 0;
  ScreenRect rect;      // on the whole desktop
  bool centred = true;  // rect.x and rect.y are not used: the display's centre instead
};

// Where to open the window on displays whose usable areas (without panels) are `displays`,
// on the whole desktop. A display that is gone means the first one; a size that is not
// remembered is `scale` times the play screen, or the largest multiple that fits; a remembered
// size is kept within the display and at least the play screen; a remembered position is
// moved so that the whole window is on its display.
OpenPlace PlaceWindow(const WindowPlace& last, int scale, const std::vector<ScreenRect>& displays);

// The largest of 1..scale whose multiple of the play screen fits in the area.
int FittingScale(int scale, const ScreenRect& area);

}  // namespace platform
