// The whole program on the headless platform with the real maps and picture sheets: start a new
// game from the title, walk down the field path, and check the screen shows the heroine in the
// walking pose the game is in.

#include <gtest/gtest.h>

#include "platform/input_script.h"
#include "shell/program.h"
#include "support/test_game.h"

namespace korvela {
namespace {

struct FieldWalk {
  platform::HeadlessPlatform platform;
  Game g{platform};
  FieldWalk(const char* script, uint32_t untilMs)
      : platform([&] {
          std::string error;
          platform::HeadlessOptions o;
          o.input = *platform::ParseInputScript(script, &error);
          o.untilMs = untilMs;
          return o;
        }()) {
    const std::filesystem::path build = KORVELA_BUILD_DIR;
    g.DataDir = build / "DATA";
    g.SoundDir = build / "Sound";
    g.AssetDir = build / "assets";
  }
};

// True when every opaque pixel of the pose cell shows on the screen at the heroine's place.
bool ShowsPose(const Game& g, const Surface& screen, int cell) {
  const int x0 = 32 * g.Player.PlayerX - 16, y0 = 32 * g.Player.PlayerY - 32;
  int opaque = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (g.Chr.At(64 * cell + x, 64 + y) != platform::kBlack) continue;
      ++opaque;
      if (screen.At(x0 + x, y0 + y) != g.Chr.At(64 * cell + x, y)) return false;
    }
  }
  return opaque > 200;
}

TEST(FieldWalk, TheHeroineWalksDownThePathInHerWalkingPose) {
  // Space on the title, held through the opening's pages (27.4 s with the pauses) and let go
  // before the field; then Down held; the run ends mid-stride, two tiles and a half later.
  FieldWalk run("300 down Space\n25300 up Space\n28000 down Down\n", 28000 + 40 * 10);
  EXPECT_EQ(RunProgram(run.g), 0);
  const platform::FrameRecord& r = run.platform.LastRecord();
  EXPECT_EQ(r.map, "01");
  EXPECT_EQ(r.mode, 0);
  EXPECT_EQ(r.facing, 2) << "facing down";
  EXPECT_GE(r.animStep, 1) << "a walking step, not the standing pose";
  const int walked = r.originY * 32 + r.scrollY - 85 * 32;
  EXPECT_GE(walked, 80) << "ten frames or more at 8 pixels a frame";
  EXPECT_EQ(walked / 32, r.animStep) << "one step per tile crossed";
  const int walking = 5 * r.facing + r.animStep;
  EXPECT_TRUE(ShowsPose(run.g, run.platform.LastFrame(), walking));
  EXPECT_FALSE(ShowsPose(run.g, run.platform.LastFrame(), 5 * r.facing)) << "not standing";
  EXPECT_FALSE(ShowsPose(run.g, run.platform.LastFrame(), walking - 10)) << "not facing right";
}

}  // namespace
}  // namespace korvela
