#include "text/message.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/font.h"
#include "platform/image_io.h"
#include "support/temp_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::InputEvent;
using platform::Key;
using testing::TestGame;

const std::string kClick = "ChakiB@22.wav";

// Space pressed at each of the given times and released 50 ms later.
platform::HeadlessOptions SpaceAt(std::initializer_list<uint32_t> times) {
  platform::HeadlessOptions options;
  for (uint32_t ms : times) {
    options.input.push_back({ms, InputEvent::Kind::Down, Key::Space});
    options.input.push_back({ms + 50, InputEvent::Kind::Up, Key::Space});
  }
  return options;
}

long Clicks(const TestGame& t) {
  const auto sounds = t.Effects("sound");
  return std::count(sounds.begin(), sounds.end(), kClick);
}

// Pixels of the given message line that are not black (the window is black under the text).
int InkOnLine(const platform::Surface& s, int line) {
  int ink = 0;
  for (int y = 250 + 24 * line; y < 274 + 24 * line; ++y) {
    for (int x = 25; x < 465; ++x) ink += s.At(x, y) != platform::kBlack;
  }
  return ink;
}

std::unique_ptr<platform::Font> OpenFont() {
  std::string error;
  auto font = platform::Font::Open(18, true, &error);
  EXPECT_TRUE(font) << error;
  return font;
}

TEST(ShowMessage, TypesOneClickPerCharacterAt50MsAndPauses500AtTheEnd) {
  TestGame t;
  ShowMessage(t.g, U"あいう\\Wえe");
  EXPECT_EQ(Clicks(t), 6) << "codes cost a step like characters; the end does not";
  EXPECT_EQ(t.platform.Clock(), 6u * 50 + 500);
  const auto& effects = t.platform.Effects();
  for (size_t i = 0; i < effects.size(); ++i) EXPECT_EQ(effects[i].ms, 50 * i) << i;
}

TEST(ShowMessage, PagedTextWaitsForSpaceAtEachPage) {
  auto dir = testing::FreshTempDir("message_pages");
  auto options = SpaceAt({1000, 2000});
  options.shots = {{500, dir / "first.png"}, {1500, dir / "second.png"}};
  TestGame t(std::move(options));
  testing::SetUpPlayScreen(t.g);
  const auto font = OpenFont();
  ASSERT_TRUE(font);
  t.g.CrtFont = font.get();

  ShowMessage(t.g,
              U"ミオ\\Pルカ"
              U"Pe");
  // Three steps to the first page wait (150 ms); Space at 1000; three more steps to the second
  // wait; Space at 2000; one last step, then the end and its 500 ms.
  EXPECT_EQ(t.platform.Clock(), 2000u + 50 + 500);
  EXPECT_EQ(Clicks(t), 7);
  t.platform.Finish();

  platform::Surface first, second;
  std::string error;
  ASSERT_TRUE(platform::LoadPng(dir / "first.png", &first, &error)) << error;
  ASSERT_TRUE(platform::LoadPng(dir / "second.png", &second, &error)) << error;
  EXPECT_GT(InkOnLine(first, 0), 50) << "the first word is shown while it waits";
  EXPECT_EQ(InkOnLine(first, 1), 0) << "the second word is not typed yet";
  EXPECT_GT(InkOnLine(second, 1), 50) << "the second word is on the next line";
  EXPECT_EQ(InkOnLine(second, 0), InkOnLine(first, 0)) << "the first line stays as it was";
  for (int k = 2; k < 5; ++k) EXPECT_EQ(InkOnLine(second, k), 0);
  std::filesystem::remove_all(dir);
}

TEST(ShowMessage, HeldSpacePassesEveryPageAtOnce) {
  TestGame t;
  t.platform.Press(Key::Space);
  ShowMessage(t.g, U"あPいPうPe");
  EXPECT_EQ(t.platform.Clock(), 6u * 50 + 500);
}

TEST(ShowMessage, SpacePressedWhileTypingDoesNotPassTheNextPage) {
  auto options = SpaceAt({20, 1000});
  TestGame t(std::move(options));
  ShowMessage(t.g, U"あいPe");
  EXPECT_EQ(t.platform.Clock(), 1000u + 50 + 500);
}

TEST(ShowMessage, BranchingTextSetsAndTestsAFlag) {
  TestGame t;
  const std::u32string text = U"F07aはじめましてS07Pe bまたあったねPe";
  t.platform.Press(Key::Space);
  ShowMessage(t.g, text);
  EXPECT_EQ(t.g.Player.StoryFlags[7], 1);
  const long first = Clicks(t);
  EXPECT_EQ(first, 1 + 6 + 1 + 1) << "F, the greeting, S and P";
  ShowMessage(t.g, text);
  EXPECT_EQ(Clicks(t) - first, 1 + 6 + 1) << "the second time the other branch is shown";
}

TEST(ShowMessage, TextsThatRunOutEndCleanly) {
  TestGame t;
  ShowMessage(t.g, U"あい");
  EXPECT_EQ(t.platform.Clock(), 2u * 50 + 500);
  t.g.Player.StoryFlags[3] = 2;
  ShowMessage(t.g, U"F03aあPe bいPe");  // no "c": it ends at the branch
  EXPECT_EQ(t.platform.Clock(), 2u * 50 + 500 + 500);
  EXPECT_EQ(Clicks(t), 2);
}

TEST(ShowMessage, HealRestoresHpAndVoicesPlayWithoutAClick) {
  TestGame t;
  testing::SetUpPlayScreen(t.g);
  testing::SetNewGameStats(t.g);
  t.g.Player.PlayerHp = 7;
  ShowMessage(t.g, U"Hw01あw02w05e");
  EXPECT_EQ(t.g.Player.PlayerHp, t.g.Player.PlayerStr);
  EXPECT_EQ(t.Effects("sound"),
            (std::vector<std::string>{kClick, "Wave01.wav", kClick, "Wave02.wav", kClick}));
  EXPECT_EQ(t.platform.Clock(), 5u * 50 + 500);
}

TEST(ShowMessage, WindowIsABlackBoxWithALightGreyOutline) {
  TestGame t;
  testing::SetUpPlayScreen(t.g);
  const platform::Color kSky = 0x3060A0;
  t.g.Crt.Clear(kSky);
  ShowMessage(t.g, U"e");
  const auto& crt = t.g.Crt;
  for (auto [x, y] :
       {std::pair{10, 240}, {470, 240}, {10, 370}, {470, 370}, {200, 240}, {470, 300}})
    EXPECT_EQ(crt.At(x, y), platform::kLightGrey) << x << "," << y;
  EXPECT_EQ(crt.At(11, 241), platform::kBlack);
  EXPECT_EQ(crt.At(469, 369), platform::kBlack);
  for (auto [x, y] : {std::pair{9, 240}, {471, 300}, {200, 239}, {200, 371}})
    EXPECT_EQ(crt.At(x, y), kSky) << x << "," << y;
  EXPECT_EQ(t.platform.FramesPresented(), 1) << "the window is shown before typing starts";
}

}  // namespace
}  // namespace korvela
