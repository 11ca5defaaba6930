#pragma once
// A Game over a fresh HeadlessPlatform, ready for a test to poke at.

#include <memory>

#include "game/game.h"
#include "platform/headless_platform.h"

namespace korvela::testing {

struct TestGame {
  explicit TestGame(platform::HeadlessOptions options = {});
  platform::HeadlessPlatform platform;
  Game g;

  // Effects of one kind ("sound", "music", "caption", ...) in order.
  std::vector<std::string> Effects(const std::string& what) const;
};

// The play-screen surfaces and the new-game numbers, as the title screen would leave them.
void SetUpPlayScreen(Game& g);
void SetNewGameStats(Game& g);

}  // namespace korvela::testing
