#include "platform/window_place.h"

#include <algorithm>

namespace platform {

int FittingScale(int scale, const ScreenRect& area) {
  scale = std::max(1, scale);
  while (scale > 1 && (kPlayWidth * scale > area.w || kPlayHeight * scale > area.h)) --scale;
  return scale;
}

OpenPlace PlaceWindow(const WindowPlace& last, int scale, const std::vector<ScreenRect>& displays) {
  OpenPlace p;
  const bool known = last.display >= 0 && last.display < static_cast<int>(displays.size());
  p.display = known ? last.display : 0;
  const ScreenRect area = displays.empty() ? ScreenRect{0, 0, kPlayWidth, kPlayHeight}
                                           : displays[static_cast<size_t>(p.display)];
  if (last.width > 0 && last.height > 0) {
    // Never smaller than the play screen (the window's minimum) nor larger than the display.
    p.rect.w = std::max(kPlayWidth, std::min(last.width, area.w));
    p.rect.h = std::max(kPlayHeight, std::min(last.height, area.h));
  } else {
    const int fit = FittingScale(scale, area);
    p.rect.w = kPlayWidth * fit;
    p.rect.h = kPlayHeight * fit;
  }
  // A position from another display layout only counts on the display it was remembered on.
  p.centred = !known || last.x < 0 || last.y < 0;
  if (!p.centred) {
    p.rect.x = area.x + std::max(0, std::min(last.x, area.w - p.rect.w));
    p.rect.y = area.y + std::max(0, std::min(last.y, area.h - p.rect.h));
  }
  return p;
}

}  // namespace platform
