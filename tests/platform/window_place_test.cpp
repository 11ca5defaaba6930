// Where the window opens, given what was remembered and the displays there are now.

#include "platform/window_place.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(WindowPlace, FitsTheRememberedWindowToTheDisplaysThereAreNow) {
  // Two displays side by side; the first has a 30-pixel panel at the top.
  const std::vector<ScreenRect> two = {{0, 30, 1920, 1050}, {1920, 0, 1280, 1024}};
  const struct {
    const char* what;
    WindowPlace last;
    int scale;
    std::vector<ScreenRect> displays;
    OpenPlace expected;
  } cases[] = {
      {"nothing remembered: the scale, centred", {}, 2, two, {0, {0, 0, 960, 768}, true}},
      {"a scale too large for the display: the largest that fits",
       {},
       4,
       two,
       {0, {0, 0, 960, 768}, true}},
      {"remembered size and place on the second display",
       {700, 500, 100, 40, 1},
       2,
       two,
       {1, {2020, 40, 700, 500}, false}},
      {"its display is gone: the first one, centred",
       {700, 500, 100, 40, 1},
       2,
       {two[0]},
       {0, {0, 0, 700, 500}, true}},
      {"larger than the display: cut to it",
       {3000, 2000, 0, 0, 1},
       2,
       two,
       {1, {1920, 0, 1280, 1024}, false}},
      {"smaller than the play screen: the play screen",
       {100, 100, 5, 5, 0},
       2,
       two,
       {0, {5, 35, 480, 384}, false}},
      {"past the display's right and bottom edges: moved onto it",
       {800, 600, 1800, 1000, 0},
       2,
       two,
       {0, {1120, 480, 800, 600}, false}},
      {"no displays reported: the play screen", {}, 3, {}, {0, {0, 0, 480, 384}, true}},
  };
  for (const auto& c : cases) {
    const OpenPlace p = PlaceWindow(c.last, c.scale, c.displays);
    EXPECT_EQ(p.display, c.expected.display) << c.what;
    EXPECT_EQ(p.centred, c.expected.centred) << c.what;
    EXPECT_EQ(p.rect.w, c.expected.rect.w) << c.what;
    EXPECT_EQ(p.rect.h, c.expected.rect.h) << c.what;
    if (!p.centred) {
      EXPECT_EQ(p.rect.x, c.expected.rect.x) << c.what;
      EXPECT_EQ(p.rect.y, c.expected.rect.y) << c.what;
    }
  }
}

}  // namespace
}  // namespace platform
