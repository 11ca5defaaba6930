// The first sign of the field, as compiled into DATA/ by the build: read twice, it notes the
// scribble in story flag 5 the first time and gives its short form the second time.

#include <gtest/gtest.h>

#include "map/map_loader.h"
#include "platform/font.h"
#include "support/test_game.h"
#include "text/message.h"

namespace korvela {
namespace {

using platform::Key;

constexpr int kFirstSign = 101;
constexpr int kScribbleRead = 5;

// Which of the five message lines hold any text.
std::array<bool, 5> LinesWithText(const platform::Surface& s) {
  std::array<bool, 5> used{};
  for (int k = 0; k < 5; ++k) {
    for (int y = 250 + 24 * k; y < 274 + 24 * k; ++y) {
      for (int x = 25; x < 465; ++x) used[k] = used[k] || s.At(x, y) != platform::kBlack;
    }
  }
  return used;
}

TEST(FieldDialogue, FirstSignSetsItsFlagAndTakesTheShortBranchNextTime) {
  testing::TestGame t;
  Game& g = t.g;
  testing::SetUpPlayScreen(g);
  g.DataDir = std::filesystem::path(KORVELA_BUILD_DIR) / "DATA";
  LoadMap(g, "01");
  std::string error;
  const auto font = platform::Font::Open(18, true, &error);
  ASSERT_TRUE(font) << error;
  g.CrtFont = font.get();
  const std::u32string& text = g.SearchTexts[kFirstSign];
  ASSERT_FALSE(text.empty());
  t.platform.Press(Key::Space);  // held: every page passes at once

  ShowMessage(g, text);
  EXPECT_EQ(g.Player.StoryFlags[kScribbleRead], 1);
  EXPECT_EQ(LinesWithText(g.Crt), (std::array<bool, 5>{true, true, true, true, false}))
      << "the sign, the scribble's discovery and the two lines of the scribble";
  const uint32_t firstTook = t.platform.Clock();

  ShowMessage(g, text);
  EXPECT_EQ(g.Player.StoryFlags[kScribbleRead], 1);
  EXPECT_EQ(LinesWithText(g.Crt), (std::array<bool, 5>{true, true, false, false, false}))
      << "the sign and the short reminder";
  EXPECT_LT(t.platform.Clock() - firstTook, firstTook) << "the second reading is the shorter";
}

}  // namespace
}  // namespace korvela
