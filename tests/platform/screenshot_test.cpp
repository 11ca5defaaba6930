#include "platform/screenshot.h"

#include <gtest/gtest.h>

#include "platform/image_io.h"
#include "support/temp_files.h"

namespace platform {
namespace {

// The play screen at its own size or scaled as the window shows it, under a timestamped name;
// a second shot in the same second gets a name of its own.
TEST(Screenshot, WritesThePlayScreenAtItsSizeOrScaled) {
  korvela::testing::TempDir dir;
  Surface frame(480, 384, kBlack);
  frame.FillRect(0, 0, 1, 1, kWhite);
  const std::time_t when = 1700000000;
  std::string error;
  const auto first = WriteScreenshot(frame, 1, dir.Path() / "shots", when, &error);
  ASSERT_FALSE(first.empty()) << error;
  EXPECT_EQ(first.filename(), ScreenshotName(when));
  EXPECT_EQ(first.filename().string().rfind("korvela-20", 0), 0u);
  const auto second = WriteScreenshot(frame, 2, dir.Path() / "shots", when, &error);
  ASSERT_FALSE(second.empty()) << error;
  EXPECT_NE(first, second);
  Surface back;
  ASSERT_TRUE(LoadPng(first, &back, &error)) << error;
  EXPECT_EQ(back.Width(), 480);
  EXPECT_EQ(back.Height(), 384);
  ASSERT_TRUE(LoadPng(second, &back, &error)) << error;
  EXPECT_EQ(back.Width(), 960);
  EXPECT_EQ(back.Height(), 768);
  EXPECT_EQ(back.Pixels()[0], kWhite);
  EXPECT_EQ(back.Pixels()[961], kWhite);  // the first pixel became a 2 x 2 block
  EXPECT_EQ(back.Pixels()[2], kBlack);
}

}  // namespace
}  // namespace platform
