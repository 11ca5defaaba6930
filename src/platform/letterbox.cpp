#include "platform/letterbox.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace platform {

namespace {

uint32_t* Row(const PixelRows& rows, int y) {
  return rows.pixels + static_cast<std::ptrdiff_t>(y) * rows.pitch;
}

// Writes `count` pixels of a source row scaled by `scale`, starting `skip` pixels into the
// scaled row (where the window cuts off the picture's left edge).
void ScaleRow(const uint32_t* in, uint32_t* out, int skip, int count, int scale) {
  int sx = skip / scale;
  const int head = std::min(count, scale - skip % scale);
  std::fill_n(out, head, in[sx++]);
  out += head;
  count -= head;
  if (scale == 2) {  // the usual window: keep the copy loop tight
    for (; count >= 2; count -= 2, out += 2) out[0] = out[1] = in[sx++];
  } else {
    for (; count >= scale; count -= scale, out += scale) std::fill_n(out, scale, in[sx++]);
  }
  if (count > 0) std::fill_n(out, count, in[sx]);
}

// Paints everything of `rows` outside the box from (x0, y0) up to (x1, y1).
void FillAround(const PixelRows& rows, int x0, int y0, int x1, int y1, uint32_t color) {
  for (int y = 0; y < rows.height; ++y) {
    uint32_t* row = Row(rows, y);
    if (y < y0 || y >= y1 || x0 >= x1) {
      std::fill_n(row, rows.width, color);
    } else {
      std::fill_n(row, x0, color);
      std::fill_n(row + x1, rows.width - x1, color);
    }
  }
}

}  // namespace

ScreenRect LetterboxRect(int areaWidth, int areaHeight) {
  const int scale = std::max(1, std::min(areaWidth / kPlayWidth, areaHeight / kPlayHeight));
  ScreenRect r;
  r.w = kPlayWidth * scale;
  r.h = kPlayHeight * scale;
  r.x = (areaWidth - r.w) / 2;
  r.y = (areaHeight - r.h) / 2;
  return r;
}

ScreenRect PaintLetterboxed(const uint32_t* src, int srcPitch, PixelRows dst, bool bars,
                            uint32_t barColor) {
  const ScreenRect r = LetterboxRect(dst.width, dst.height);
  const int scale = r.w / kPlayWidth;
  // The part of the picture inside the buffer.
  const int x0 = std::max(0, r.x), x1 = std::min(dst.width, r.x + r.w);
  const int y0 = std::max(0, r.y), y1 = std::min(dst.height, r.y + r.h);
  if (bars) FillAround(dst, x0, y0, x1, y1, barColor);
  if (x0 >= x1 || y0 >= y1) return {};
  // Each source row is scaled once; the other rows of its block are copies of that one.
  const size_t rowBytes = static_cast<size_t>(x1 - x0) * sizeof(uint32_t);
  for (int y = y0; y < y1;) {
    const int sy = (y - r.y) / scale;
    const int blockEnd = std::min(y1, r.y + (sy + 1) * scale);
    uint32_t* first = Row(dst, y) + x0;
    ScaleRow(src + static_cast<std::ptrdiff_t>(sy) * srcPitch, first, x0 - r.x, x1 - x0, scale);
    for (++y; y < blockEnd; ++y) std::memcpy(Row(dst, y) + x0, first, rowBytes);
  }
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace platform
