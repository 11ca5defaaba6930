#include "text_art.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "platform/font.h"

namespace sheets {

const platform::Font& TypeFace(int points) {
  static std::map<int, std::unique_ptr<platform::Font>> faces;
  auto& face = faces[points];
  if (!face) {
    std::string error;
    face = platform::Font::Open(points, true, &error);
    if (!face) {
      std::fprintf(stderr, "gen_sheets: %s\n", error.c_str());
      std::exit(1);
    }
  }
  return *face;
}

int TextWidth(int points, std::string_view utf8) { return TypeFace(points).TextWidth(utf8); }

void DrawText(Canvas& c, int x, int y, int points, std::string_view utf8, const Lettering& style) {
  // Coverage of each pixel: the text drawn in white on black.
  const int pad = style.outlineWidth + style.shadowOffset + 2;
  const int w = TextWidth(points, utf8) + 2 * pad, h = points * 2 + 2 * pad;
  platform::Surface ink(w, h, 0x000000);
  TypeFace(points).Draw(ink, pad, pad, utf8, 0xFFFFFF);
  auto alpha = [&](int px, int py) {
    if (px < 0 || py < 0 || px >= w || py >= h) return 0.0;
    return (ink.At(px, py) & 0xFF) / 255.0;
  };
  auto near = [&](int px, int py, int r) {
    double best = 0;
    for (int dy = -r; dy <= r; ++dy) {
      for (int dx = -r; dx <= r; ++dx) {
        if (dx * dx + dy * dy <= r * r + r) best = std::max(best, alpha(px + dx, py + dy));
      }
    }
    return best;
  };
  const int ox = x - pad, oy = y - pad;
  if (style.shadow != kNoRim) {
    for (int py = 0; py < h; ++py) {
      for (int px = 0; px < w; ++px) {
        const double a = near(px - style.shadowOffset, py - style.shadowOffset, style.outlineWidth);
        c.Blend(ox + px, oy + py, style.shadow, a * 0.8);
      }
    }
  }
  if (style.outline != kNoRim && style.outlineWidth > 0) {
    for (int py = 0; py < h; ++py) {
      for (int px = 0; px < w; ++px) {
        c.Blend(ox + px, oy + py, style.outline, near(px, py, style.outlineWidth));
      }
    }
  }
  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      c.Blend(ox + px, oy + py, style.fill.At(ox + px, oy + py), alpha(px, py));
    }
  }
}

void DrawTextCentred(Canvas& c, int cx, int y, int points, std::string_view utf8,
                     const Lettering& style) {
  DrawText(c, cx - TextWidth(points, utf8) / 2, y, points, utf8, style);
}

}  // namespace sheets
