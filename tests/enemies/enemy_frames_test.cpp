// Enemies through the real frame loop: a trigger cell starts one, it walks in over the floor,
// touches the heroine once under the protection and walks off the stage.
#include <optional>

#include "enemies/enemies.h"
#include "enemy_stage.h"
#include "shell/frame_loop.h"

namespace korvela {
namespace {

using testing::EnemyStage;

TEST_F(EnemyStage, ATriggeredWalkerCrossesTheHeroineAndCostsTenOnce) {
  Floor(7);  // she stands in rows 5 and 6 on row 7; so does the walker once it has dropped
  EnterGameLoop(g);
  g.Rng.seed(3);
  g.MapLayer2(10 + 7, 10 + 5) = 162;  // the walker's trigger under her

  std::vector<float> hp;
  std::optional<int> freedAt;
  for (int frame = 0; frame < 150 && !freedAt; ++frame) {
    ASSERT_EQ(RunFrame(g), FrameResult::Continue);
    hp.push_back(g.Player.PlayerHp);
    if (frame > 0 && g.Enemies[0].Active == 0) freedAt = frame;
  }
  EXPECT_EQ(g.MapLayer2(17, 15), 0) << "the trigger is used up";
  EXPECT_EQ(g.Enemies[0].Kind, 2);
  EXPECT_EQ(g.Enemies[0].Y, 161) << "it dropped onto the floor row by row";
  EXPECT_EQ(g.Enemies[1].Active, 0) << "one trigger, one enemy";

  // Spawned at the end of frame 0 at X 544, it walks 6 a frame and first covers x 224..256
  // (X 238) in frame 51; it stays over her for five frames, all inside the protection.
  ASSERT_GE(hp.size(), 60u);
  EXPECT_EQ(hp[50], 50);
  EXPECT_EQ(hp[51], 40);
  EXPECT_EQ(hp.back(), 40);
  EXPECT_EQ(Sounds("scream.wav"), 1);
  EXPECT_EQ(g.HurtGuard, 0) << "the protection ran out";
  // It leaves the area once X falls below -224: (544 + 224) / 6 = 128 steps, freed in the next.
  ASSERT_TRUE(freedAt.has_value());
  EXPECT_EQ(*freedAt, 129);
}

}  // namespace
}  // namespace korvela
