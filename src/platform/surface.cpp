#include "platform/surface.h"

#include <algorithm>

#include "platform/font.h"

namespace platform {

Surface::Surface(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Surface::Clear(Color color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Surface::FillRect(int x, int y, int width, int height, Color color) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + width, width_), y1 = std::min(y + height, height_);
  for (int row = y0; row < y1; ++row) {
    Color* line = &pixels_[static_cast<size_t>(row) * width_];
    std::fill(line + x0, line + std::max(x0, x1), color);
  }
}

void Surface::DrawBox(int x1, int y1, int x2, int y2, Color color) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  FillRect(x1, y1, x2 - x1 + 1, 1, color);
  FillRect(x1, y2, x2 - x1 + 1, 1, color);
  FillRect(x1, y1, 1, y2 - y1 + 1, color);
  FillRect(x2, y1, 1, y2 - y1 + 1, color);
}

namespace {

template <typename Op>
void BlitRows(Color* dest, int destStride, const Color* src, int srcStride, int width, int height,
              Op op) {
  for (int row = 0; row < height; ++row) {
    Color* d = dest + static_cast<ptrdiff_t>(row) * destStride;
    const Color* s = src + static_cast<ptrdiff_t>(row) * srcStride;
    for (int col = 0; col < width; ++col) d[col] = op(s[col], d[col]);
  }
}

}  // namespace

void Surface::BitBlt(int dx, int dy, int width, int height, const Surface& src, int sx, int sy,
                     RasterOp op) {
  // Clip the left and top edges against both surfaces, moving the other corner along.
  const int skipX = std::max({0, -dx, -sx});
  const int skipY = std::max({0, -dy, -sy});
  dx += skipX, sx += skipX, width -= skipX;
  dy += skipY, sy += skipY, height -= skipY;
  // Then the right and bottom edges.
  width = std::min({width, width_ - dx, src.width_ - sx});
  height = std::min({height, height_ - dy, src.height_ - sy});
  if (width <= 0 || height <= 0) return;

  Color* d = &pixels_[static_cast<size_t>(dy) * width_ + dx];
  const Color* s = &src.pixels_[static_cast<size_t>(sy) * src.width_ + sx];
  switch (op) {
    case RasterOp::SrcCopy:
      for (int row = 0; row < height; ++row) {
        std::copy_n(s + static_cast<ptrdiff_t>(row) * src.width_, width,
                    d + static_cast<ptrdiff_t>(row) * width_);
      }
      break;
    case RasterOp::SrcErase:
      BlitRows(d, width_, s, src.width_, width, height,
               [](Color sc, Color dc) { return sc & ~dc & 0xFFFFFFu; });
      break;
    case RasterOp::SrcInvert:
      BlitRows(d, width_, s, src.width_, width, height, [](Color sc, Color dc) { return sc ^ dc; });
      break;
  }
}

void Surface::DrawMasked(int dx, int dy, int width, int height, const Surface& sheet, int imageX,
                         int imageY, int maskX, int maskY) {
  BitBlt(dx, dy, width, height, sheet, maskX, maskY, RasterOp::SrcErase);
  BitBlt(dx, dy, width, height, sheet, imageX, imageY, RasterOp::SrcInvert);
}

void Surface::Print(int x, int y, std::string_view utf8, const Font& font, Color color) {
  font.Draw(*this, x, y, utf8, color);
}

}  // namespace platform
