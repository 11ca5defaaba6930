#include "platform/surface.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

Surface Filled(int w, int h, Color c) { return Surface(w, h, c); }

// A 4 x 4 source whose pixel (x, y) is 0x10 * y + x, so every copied pixel says where it came from.
Surface Numbered() {
  Surface s(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) s.Set(x, y, static_cast<Color>(0x10 * y + x));
  return s;
}

TEST(SurfaceBitBlt, RasterOperationsCombineSourceAndDestination) {
  Surface dest = Filled(2, 1, 0x00F0F0);
  Surface src = Filled(2, 1, 0x0FFF00);
  dest.BitBlt(0, 0, 1, 1, src, 0, 0, RasterOp::SrcCopy);
  EXPECT_EQ(dest.At(0, 0), 0x0FFF00u);
  dest.Set(0, 0, 0x00F0F0);
  dest.BitBlt(0, 0, 1, 1, src, 0, 0, RasterOp::SrcErase);
  EXPECT_EQ(dest.At(0, 0), 0x0FFF00u & ~0x00F0F0u & 0xFFFFFFu);
  dest.BitBlt(1, 0, 1, 1, src, 0, 0, RasterOp::SrcInvert);
  EXPECT_EQ(dest.At(1, 0), 0x0FFF00u ^ 0x00F0F0u);
}

TEST(SurfaceBitBlt, ClipsAtEveryEdgeOfTheDestination) {
  struct Case {
    int dx, dy;
    int firstX, firstY;  // first destination pixel written
    Color firstValue;    // the source pixel that lands there
    int written;
  } cases[] = {
      {-2, 0, 0, 0, 0x02, 2 * 4},   // left edge: source columns 0 and 1 fall off
      {0, -3, 0, 0, 0x30, 4 * 1},   // top edge
      {3, 0, 3, 0, 0x00, 2 * 4},    // right edge of a 5-wide destination
      {0, 2, 0, 2, 0x00, 4 * 3},    // bottom edge of a 5-high destination
      {-1, -1, 0, 0, 0x11, 3 * 3},  // a corner
      {5, 0, 0, 0, 0, 0},           // wholly outside
  };
  for (const Case& c : cases) {
    Surface dest = Filled(5, 5, 0xABCDEF);
    dest.BitBlt(c.dx, c.dy, 4, 4, Numbered(), 0, 0, RasterOp::SrcCopy);
    int written = 0;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) written += dest.At(x, y) != 0xABCDEF;
    SCOPED_TRACE(::testing::Message() << "dest (" << c.dx << ", " << c.dy << ")");
    // Pixel 0x00 of the source is black, not the fill, so it counts as written too.
    EXPECT_EQ(written, c.written);
    if (c.written) {
      EXPECT_EQ(dest.At(c.firstX, c.firstY), c.firstValue);
    }
  }
}

TEST(SurfaceBitBlt, ClipsAgainstTheSourceToo) {
  Surface dest = Filled(8, 8, 0xABCDEF);
  // Asking for 4 x 4 from (2, 2) of a 4 x 4 source copies only its 2 x 2 corner.
  dest.BitBlt(1, 1, 4, 4, Numbered(), 2, 2, RasterOp::SrcCopy);
  EXPECT_EQ(dest.At(1, 1), 0x22u);
  EXPECT_EQ(dest.At(2, 2), 0x33u);
  EXPECT_EQ(dest.At(3, 1), 0xABCDEFu);
  EXPECT_EQ(dest.At(1, 3), 0xABCDEFu);
  // A negative source corner skips the part before the source, moving the destination along.
  Surface d2 = Filled(8, 8, 0xABCDEF);
  d2.BitBlt(0, 0, 4, 4, Numbered(), -1, -2, RasterOp::SrcCopy);
  EXPECT_EQ(d2.At(1, 2), 0x00u);
  EXPECT_EQ(d2.At(0, 0), 0xABCDEFu);
  // Copying from or onto an empty surface does nothing.
  Surface empty;
  dest.BitBlt(0, 0, 4, 4, empty, 0, 0, RasterOp::SrcCopy);
  empty.BitBlt(0, 0, 4, 4, dest, 0, 0, RasterOp::SrcCopy);
}

TEST(SurfaceBitBlt, MaskedSpritePairLeavesWhiteOnWhiteTransparent) {
  // Sheet: image at x 0..1 (red, then white), mask at x 2..3 (black where opaque, white elsewhere).
  Surface sheet(4, 1);
  sheet.Set(0, 0, 0xFF0000);
  sheet.Set(1, 0, kWhite);
  sheet.Set(2, 0, kBlack);
  sheet.Set(3, 0, kWhite);
  for (Color background : {0x000000u, 0x123456u, 0xFFFFFFu, 0x00FF00u}) {
    Surface dest = Filled(2, 1, background);
    dest.DrawMasked(0, 0, 2, 1, sheet, 0, 0, 2, 0);
    EXPECT_EQ(dest.At(0, 0), 0xFF0000u) << std::hex << background;
    EXPECT_EQ(dest.At(1, 0), background) << std::hex << background;
  }
}

TEST(SurfaceShapes, FillAndOutlineAreClipped) {
  Surface s = Filled(6, 6, kBlack);
  s.FillRect(-2, 4, 4, 10, kWhite);  // hangs over the left and bottom edges
  EXPECT_EQ(s.At(0, 4), kWhite);
  EXPECT_EQ(s.At(1, 5), kWhite);
  EXPECT_EQ(s.At(2, 5), kBlack);
  EXPECT_EQ(s.At(0, 3), kBlack);

  Surface box = Filled(6, 6, kBlack);
  box.DrawBox(1, 1, 4, 3, kLightGrey);
  EXPECT_EQ(box.At(1, 1), kLightGrey);
  EXPECT_EQ(box.At(4, 3), kLightGrey);
  EXPECT_EQ(box.At(2, 2), kBlack);  // inside stays
  EXPECT_EQ(box.At(5, 3), kBlack);
  box.DrawBox(-3, -3, 10, 10, kWhite);  // off the surface on every side: no crash, nothing drawn
  EXPECT_EQ(box.At(0, 0), kBlack);

  box.Clear(0x010203);
  EXPECT_EQ(box.At(5, 5), 0x010203u);
}

}  // namespace
}  // namespace platform
