// The story scenes run whole on the headless platform with Space held through every page: their
// length on the virtual clock, the order of their music and sounds, the tile wipe, the credits'
// resting place and the bomb's flight.

#include "text/scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/font.h"
#include "platform/headless_platform.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Key;

constexpr std::string_view kClick = "ChakiB@22.wav";

// A headless platform that lets the test look at every picture as it is shown.
class Watched : public platform::HeadlessPlatform {
 public:
  std::function<void(const Surface&)> onPresent;
  void Present(const Surface& crt) override {
    HeadlessPlatform::Present(crt);
    if (onPresent) onPresent(crt);
  }
};

struct SceneRun {
  Watched platform;
  Game g{platform};
  std::unique_ptr<platform::Font> big, small;

  SceneRun() {
    testing::SetUpPlayScreen(g);
    std::string error;
    big = platform::Font::Open(18, true, &error);
    small = platform::Font::Open(14, true, &error);
    EXPECT_TRUE(big && small) << error;
    g.CrtFont = g.CrtFont18 = big.get();
    g.CrtFont14 = small.get();
    platform.Press(Key::Space);  // held through every page
  }

  // Music commands (without the timer's status queries) and sounds other than the typing
  // clicks, each with its time.
  std::vector<std::string> Cues() const {
    std::vector<std::string> out;
    for (const auto& e : platform.Effects()) {
      if (e.what != "music" && e.what != "sound") continue;
      if (e.detail == kClick || e.detail.starts_with("status")) continue;
      std::string detail = e.detail;
      if (detail.starts_with("open \"")) {  // just the track's file name
        const std::string path = detail.substr(6, detail.find('"', 6) - 6);
        detail = "open " + std::filesystem::path(path).filename().string();
      }
      out.push_back(std::to_string(e.ms) + " " + detail);
    }
    return out;
  }
  long Clicks() const {
    return std::count_if(platform.Effects().begin(), platform.Effects().end(),
                         [](const auto& e) { return e.detail == kClick; });
  }
};

TEST(Opening, HeldSpacePassesThePagesButEveryPauseStillRuns) {
  SceneRun run;
  int smallTextPictures = 0;
  run.platform.onPresent = [&](const Surface&) {
    smallTextPictures += run.g.CrtFont == run.small.get();
  };
  OpeningScene(run.g);

  // Five dialogues, each typed at 50 ms a step and followed by 500 ms; the rooster's 600 ms, four
  // pictures of 1000 ms and the field's music 2500 ms before play.
  const long clicks = run.Clicks();
  EXPECT_GT(clicks, 300);
  const uint32_t end = run.platform.Clock();
  EXPECT_EQ(end, 600 + 4 * 1000 + 2500 + 5 * 500 + 50 * clicks);
  const std::string fieldAt = std::to_string(end - 2500);
  EXPECT_EQ(run.Cues(), (std::vector<std::string>{
                            "0 close MIDI notify", "0 open Tolvane1.mid", "0 play MIDI notify",
                            "0 CockB@11.wav", fieldAt + " close MIDI notify",
                            fieldAt + " open Forest_A.mid", fieldAt + " play MIDI notify"}));
  EXPECT_GT(smallTextPictures, 300) << "the dialogues are typed in the small face";
  EXPECT_EQ(run.g.CrtFont, run.big.get()) << "play goes on in the large face";
}

// Rows of the screen that hold any lit pixel.
std::pair<int, int> InkRows(const Surface& s) {
  int top = -1, bottom = -1;
  for (int y = 0; y < 384; ++y) {
    for (int x = 0; x < 480; ++x) {
      if (s.At(x, y) == platform::kBlack) continue;
      if (top < 0) top = y;
      bottom = y;
      break;
    }
  }
  return {top, bottom};
}

TEST(Ending, WipeDialoguesRollAndBombInOrder) {
  SceneRun run;
  Game& g = run.g;
  g.MapChr2 = Surface(512, 512);
  g.MapChr2.FillRect(0, 32, 32, 32, 0x3366AAu);
  g.Bombs[1].Phase = 0;

  bool wipeCovered = false;
  std::pair<int, int> restingRows{-1, -1};
  std::vector<int> flight;
  uint32_t burstShown = 0;
  run.platform.onPresent = [&](const Surface& s) {
    const uint32_t now = run.platform.Clock();
    if (now == 179 * 20) {  // the last tile of the wipe
      wipeCovered = true;
      for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 480; ++x) wipeCovered = wipeCovered && s.At(x, y) == 0x3366AAu;
      }
    }
    if (g.SceneTimer == 1001 && g.Bombs[1].Phase == 0 && restingRows.first < 0)
      restingRows = InkRows(s);
    if (g.Bombs[1].Phase == 1) flight.push_back(g.Bombs[1].Y);
    if (g.Bombs[1].Phase == 2 && !burstShown) {
      burstShown = now;
      flight.push_back(g.Bombs[1].Y);
    }
  };
  EndingScene(g);

  EXPECT_TRUE(wipeCovered) << "180 tiles of 20 ms cover the screen by 3600 ms";
  const auto cues = run.Cues();
  ASSERT_EQ(cues.size(), 8u) << "nothing else sounds after the burst";
  EXPECT_EQ(cues[0], "3600 close MIDI notify");
  EXPECT_EQ(cues[1], "3600 open Tolvane1.mid");
  EXPECT_EQ(cues[2], "3600 play MIDI notify");
  const auto roll = static_cast<uint32_t>(std::stoul(cues[3]));
  EXPECT_EQ(cues[4], std::to_string(roll) + " open combat2.mid");
  EXPECT_EQ(cues[5], std::to_string(roll) + " play MIDI notify");
  // 1000 passes of 50 ms, the last one standing for 10 s, then the music stops.
  const uint32_t stop = roll + 1000 * 50 + 10000;
  EXPECT_EQ(cues[6], std::to_string(stop) + " stop MIDI notify");
  // The bomb rises for five steps of 60 ms, falls, and bursts as it passes 133.
  EXPECT_EQ(flight, (std::vector<int>{88, 56, 32, 16, 8, 8, 16, 32, 56, 88, 128, 176}));
  EXPECT_EQ(cues[7], std::to_string(stop + 12 * 60) + " explode.wav");
  EXPECT_EQ(burstShown, stop + 12 * 60);
  // The last credit rests with its top at 165, alone on the screen.
  EXPECT_GE(restingRows.first, 165);
  EXPECT_LE(restingRows.second, 165 + 24);
  // The teaser: 22 bomb steps, a second of black, nine characters typed, ten seconds more.
  EXPECT_EQ(run.platform.Clock(), stop + 22 * 60 + 1000 + 9 * 50 + 10000);
  EXPECT_EQ(g.Bombs[1].Phase, 0) << "the borrowed bomb slot is free again";
  EXPECT_EQ(g.CrtFont, run.big.get());
}

}  // namespace
}  // namespace korvela
