#pragma once
// A software picture: width x height 32-bit pixels (0x00RRGGBB), with the raster operations the
// game draws with. Every drawing routine of the game works on these; only the SDL platform turns
// the play surface into something on screen.

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class Font;

// Pixel colours are 0x00RRGGBB; the top byte is always zero.
using Color = uint32_t;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kLightGrey = 0xC0C0C0;  // colour 7 of the classic 16-colour palette

// The three raster operations of the game.
enum class RasterOp {
  SrcCopy,    // dest = src
  SrcErase,   // dest = src AND NOT dest (masks: black where the sprite is opaque)
  SrcInvert,  // dest = src XOR dest (images drawn on white)
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  const Color* Pixels() const { return pixels_.data(); }
  Color* Pixels() { return pixels_.data(); }
  Color At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  void Set(int x, int y, Color c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; }

  void Clear(Color color = kBlack);
  // Filled box with its top-left corner at (x, y); clipped to the surface.
  void FillRect(int x, int y, int width, int height, Color color);
  // One-pixel outline of the box from (x1, y1) to (x2, y2), both corners included.
  void DrawBox(int x1, int y1, int x2, int y2, Color color);
  // Copies a width x height block of src at (sx, sy) to (dx, dy) with the raster operation op.
  // The block is clipped against both surfaces; parts outside either are skipped.
  void BitBlt(int dx, int dy, int width, int height, const Surface& src, int sx, int sy,
              RasterOp op);
  // Prints UTF-8 text with its top-left corner at (x, y); the background stays as it is.
  void Print(int x, int y, std::string_view utf8, const Font& font, Color color);

  // Draws a sprite the game's way: its mask with SrcErase, then its image with SrcInvert.
  void DrawMasked(int dx, int dy, int width, int height, const Surface& sheet, int imageX,
                  int imageY, int maskX, int maskY);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace platform
