// Where the play screen goes in the window and the processor's scaling of it, checked pixel by
// pixel against the plain definition: each play pixel a scale x scale block, bars around it.

#include "platform/letterbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace platform {
namespace {

constexpr uint32_t kUntouched = 0xDEADBEEF;
constexpr uint32_t kBar = 0x00000000;

TEST(Letterbox, WholeMultiplesCentredAndNeverBelowOne) {
  EXPECT_EQ(LetterboxRect(960, 768), (ScreenRect{0, 0, 960, 768}));
  EXPECT_EQ(LetterboxRect(1920, 1080), (ScreenRect{480, 156, 960, 768}));
  EXPECT_EQ(LetterboxRect(1439, 1200), (ScreenRect{239, 216, 960, 768}));
  EXPECT_EQ(LetterboxRect(1440, 1152), (ScreenRect{0, 0, 1440, 1152}));
  EXPECT_EQ(LetterboxRect(400, 300), (ScreenRect{-40, -42, 480, 384})) << "cropped evenly";
}

// A frame with a different value in every pixel, in rows longer than the play screen (as the
// game's drawing surface is).
struct Frame {
  static constexpr int kPitch = kPlayWidth + 4;
  std::vector<uint32_t> pixels = std::vector<uint32_t>(static_cast<size_t>(kPitch) * kPlayHeight);
  Frame() {
    for (int y = 0; y < kPlayHeight; ++y) {
      for (int x = 0; x < kPitch; ++x) pixels[y * kPitch + x] = static_cast<uint32_t>(x << 12 | y);
    }
  }
  uint32_t At(int x, int y) const { return pixels[y * kPitch + x]; }
};

// Paints the frame into a window buffer of the given size (rows padded past the window's width)
// and checks every pixel, the padding included.
void CheckWindow(int width, int height, bool bars) {
  SCOPED_TRACE(testing::Message() << width << " x " << height << (bars ? " with bars" : ""));
  const Frame frame;
  const int pitch = width + 3;
  std::vector<uint32_t> window(static_cast<size_t>(pitch) * height, kUntouched);
  const ScreenRect shown = PaintLetterboxed(frame.pixels.data(), Frame::kPitch,
                                            {window.data(), pitch, width, height}, bars, kBar);

  const ScreenRect r = LetterboxRect(width, height);
  const int scale = r.w / kPlayWidth;
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < pitch; ++x) {
      const bool inPicture = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
      uint32_t expected = kUntouched;
      if (x < width && inPicture) {
        expected = frame.At((x - r.x) / scale, (y - r.y) / scale);
      } else if (x < width && bars) {
        expected = kBar;
      }
      const uint32_t got = window[static_cast<size_t>(y) * pitch + x];
      if (got != expected && ++wrong <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", not "
                      << expected;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
  EXPECT_EQ(shown,
            (ScreenRect{x0, y0, std::min(width, r.x + r.w) - x0, std::min(height, r.y + r.h) - y0}))
      << "the painted box is what the window must update";
}

TEST(Letterbox, PaintsEveryPixelOfTheWindow) {
  for (bool bars : {true, false}) {
    CheckWindow(960, 768, bars);    // the usual window: no bars at all
    CheckWindow(1001, 799, bars);   // twice, odd bars on every side
    CheckWindow(1500, 1200, bars);  // three times
    CheckWindow(1920, 1080, bars);  // a desktop in fullscreen
    CheckWindow(400, 300, bars);    // smaller than the play screen: cut off evenly
    CheckWindow(481, 385, bars);    // one pixel of bar at the right and bottom
  }
}

}  // namespace
}  // namespace platform
